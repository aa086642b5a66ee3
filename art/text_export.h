#pragma once

#include "art/sampling.h"

#include <string>
#include <string_view>

namespace lumina {

// The art as code page 932 text: each row's codes as two bytes (one below 256), every row
// ending in CR LF.
std::string ArtTextBytes(const CellGrid& grid);

// Writes bytes to path through a temporary file in the same folder that replaces path only
// once it is complete; an existing file survives any failure.
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

} // namespace lumina
