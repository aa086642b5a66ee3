#pragma once

#include "image/picture_type.h"
#include "platform/geometry.h"
#include "platform/surface.h"
#include "services/problem.h"

#include <cstdint>
#include <optional>
#include <string>

namespace lumina {

struct EngineServices;

// Pictures with more pixels than this are refused before their pixels are allocated
// (message 30301): a few hundred bytes of file can otherwise ask for gigabytes.
inline constexpr std::int64_t kMaxPicturePixels = 200'000'000;

// The picture the character-art window works on.
struct SourcePicture {
    std::string path; // UTF-8
    PictureType type;
    int width = 0;  // pixels
    int height = 0; // pixels
    // Size of the encoded form the surface was made from: the JPEG file (the picture itself
    // or the temporary one), or for a keyed picture the 32-bit bitmap file of its pixels.
    std::uint32_t byteSize = 0;
    COLORREF keyColour = kNoColour;        // the transparent area's colour
    std::optional<Surface> sourceSurface;  // the picture flattened onto white, display format
    std::optional<Surface> stagingSurface; // made only while a keyed bitmap file is flattened
};

// Loads picture.path (of picture.type) into the other fields. False on failure, when the fields
// are reset. problems gets the messages of the steps in their order: notes the load went on
// after (30011 while reading a bitmap file's colours) and, on failure, the one that stopped it
// (a silent problem where the window shows nothing).
bool LoadSourcePicture(const EngineServices& services, SourcePicture& picture, Problems& problems);

// The name of the temporary JPEG file in the working folder.
inline constexpr const char* kTemporaryJpegName = "temp.jpeg";

} // namespace lumina
