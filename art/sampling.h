#pragma once

#include "art/settings.h"

#include <cstdint>
#include <vector>

namespace lumina {

class Surface;

// Per-cell results of a run, row by row: darkness 0..1000 after sampling, character codes
// after mapping; colours only in colour mode.
struct CellGrid {
    int cols = 0;
    int rows = 0;
    std::vector<std::int32_t> cells;
    std::vector<COLORREF> colours;
};

// Gain of a colour step: 1 -> 0.2, 5 -> 1.0, 9 -> 1.8.
double ColourGain(int step);

// A channel times its gain, clamped to 0..255.
int GainChannel(int channel, double gain);

// Samples the picture surface into grid (cols x rows pieces of range x range pixels). False
// when the surface is neither 16 nor 32 bits a pixel. The rows of cells are shared among
// threads; the grid is the same for any number.
bool SamplePicture(const Surface& source, const ArtLayout& layout, const ArtSettings& settings,
                   CellGrid& grid, int threads = 1);

} // namespace lumina
