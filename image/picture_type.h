#pragma once

#include <string>
#include <string_view>

namespace lumina {

// The normalised type word of a picture file: "jpeg", "gif", "bmp", "png" or "tiff"; empty
// when the file is not a picture.
using PictureType = std::string;

// The type word of a path, from the text after its last "." (case-insensitive).
PictureType PictureTypeFromPath(std::string_view path);

// ASCII lower case; other bytes (the parts of multi-byte characters) are kept as they are.
std::string LowerAscii(std::string_view text);

} // namespace lumina
