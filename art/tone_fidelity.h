#pragma once

#include "art/settings.h"

#include <vector>

namespace lumina {

class Surface;

// How faithfully monochrome art keeps a picture's tones: the picture's mean CIE L* over each
// piece against the art's mean L* over the cell drawn for it, as Pearson correlations per cell
// and over blocks of 2 x 2 cells (where error diffusion shows).
struct ToneFidelity {
    double cells = 0.0;
    double blocks = 0.0;
};

// Mean L* of each piece of the picture, row by row.
std::vector<double> PictureCellLightness(const Surface& picture, const ArtLayout& layout);
// Mean L* of each character cell of the art, row by row.
std::vector<double> ArtCellLightness(const Surface& art, const ArtLayout& layout);
// Means of side x side blocks of a cols x rows grid; the blocks cut off at the edges are left out.
std::vector<double> BlockMeans(const std::vector<double>& cells, int cols, int rows, int side);
// Pearson's correlation of two equally long series; 0 when either does not vary.
double Correlation(const std::vector<double>& a, const std::vector<double>& b);

ToneFidelity MeasureToneFidelity(const Surface& picture, const Surface& art,
                                 const ArtLayout& layout);

} // namespace lumina
