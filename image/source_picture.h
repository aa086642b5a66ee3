#pragma once

#include "image/picture_type.h"
#include "platform/geometry.h"
#include "platform/pixel_budget.h"
#include "platform/surface.h"
#include "services/problem.h"

#include <cstdint>
#include <optional>
#include <string>

namespace lumina {

struct EngineServices;

// The picture the character-art window works on.
struct SourcePicture {
    std::string path; // UTF-8
    PictureType type;
    int width = 0;  // pixels
    int height = 0; // pixels
    // Size of the encoded form the surface was made from: the JPEG data (the file itself, or
    // the JPEG an opaque picture of another type is turned into), or for a keyed picture the
    // 32-bit bitmap file of its pixels.
    std::uint32_t byteSize = 0;
    COLORREF keyColour = kNoColour;       // the transparent area's colour
    std::optional<Surface> sourceSurface; // the picture flattened onto white, display format
};

// Loads picture.path (of picture.type) into the other fields. False on failure, when the fields
// are reset. problems gets the messages of the steps in their order: notes the load went on
// after (30011 while reading a bitmap file's colours) and, on failure, the one that stopped it:
// 30016 after the path for a file that cannot be read, 30301 for a picture or file too large,
// 30302 for one the decoder cannot deliver whole, 30001 for memory (silent only when a 30011
// note has said why already).
bool LoadSourcePicture(const EngineServices& services, SourcePicture& picture, Problems& problems);

} // namespace lumina
