#include "art/mapping.h"

#include <algorithm>

namespace lumina {

void NormalisePalette(CharPalette& palette) {
    if (palette.entries.empty())
        return;
    const int d0 = palette.entries.front().density;
    const int span = palette.entries.back().density - d0;
    for (auto& e : palette.entries)
        e.density = span != 0 ? (e.density - d0) * 1000 / span : 0;
}

int PickEntry(const CharPalette& palette, int threshold) {
    const auto& e = palette.entries;
    const auto it =
        std::lower_bound(e.begin(), e.end(), threshold,
                         [](const PaletteEntry& entry, int t) { return entry.density < t; });
    if (it == e.end())
        return static_cast<int>(e.size()) - 1;
    return static_cast<int>(it - e.begin());
}

void MapDarkness(const CharPalette& measured, CellGrid& grid, int brightAll) {
    if (measured.entries.empty())
        return;
    const bool uniform = measured.entries.front().density == measured.entries.back().density;
    CharPalette palette = measured;
    NormalisePalette(palette);
    // One ink for every character leaves nothing to choose: the lightest (first) entry.
    if (uniform) {
        std::fill(grid.cells.begin(), grid.cells.end(),
                  static_cast<std::int32_t>(palette.entries.front().code));
        return;
    }
    const int shift = (brightAll - 5) * 30;
    for (auto& cell : grid.cells)
        cell = static_cast<std::int32_t>(palette.entries[PickEntry(palette, shift + cell)].code);
}

} // namespace lumina
