#pragma once

#include "art/sampling.h"

#include <string>

namespace lumina {

// The art as code page 932 text: each row's codes as two bytes (one below 256), every row
// ending in CR LF.
std::string ArtTextBytes(const CellGrid& grid);

} // namespace lumina
