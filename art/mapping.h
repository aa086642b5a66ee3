#pragma once

#include "art/palette.h"
#include "art/sampling.h"

namespace lumina {

// Normalises the sorted palette's densities in place to 0 (lightest) .. 1000 (darkest); all
// 0 when every density is the same.
void NormalisePalette(CharPalette& palette);

// Index of the lightest entry at least as dark as threshold (the first with density >= it);
// the last entry when none is. The palette must be sorted and not empty.
int PickEntry(const CharPalette& palette, int threshold);

// Turns every cell's darkness into the code of its character, shifted by BrightAll, over the
// sorted palette's densities normalised to 0 .. 1000; the palette itself is left as measured.
void MapDarkness(const CharPalette& palette, CellGrid& grid, int brightAll);

} // namespace lumina
