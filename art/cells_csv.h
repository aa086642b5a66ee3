#pragma once

#include "art/mapping.h"
#include "services/problem.h"

#include <string>
#include <vector>

namespace lumina {

// Why each cell got its character, as comma-separated lines ending in CR LF, UTF-8: a header,
// then one line per cell in grid order with its row, its column, the wanted darkness, the
// chosen character, its code ("0x" and four hex digits), its density, the runner-up character
// and its density (both empty when there is none). Darkness and densities are on the palette's
// 0 (lightest character) .. 1000 (darkest) scale.
std::string CellsCsv(int cols, const std::vector<CellChoice>& choices);

// Writes CellsCsv to path; 30016 after the path and a line break on failure. An existing file is
// replaced only by a complete one.
Status WriteCellsCsv(const std::string& path, int cols, const std::vector<CellChoice>& choices);

} // namespace lumina
