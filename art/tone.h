#pragma once

#include "art/sampling.h"
#include "art/settings.h"

#include <cstdint>
#include <vector>

namespace lumina {

class Surface;

// CIE L* (0 black .. 100 white) of an 8-bit sRGB colour, through its linear-light luminance.
double Lightness(int r, int g, int b);

// The mean L* of the pixels of the rectangle (x, y, w, h) clipped to the surface; -1 when
// nothing of it lies on the surface.
double MeanLightness(const Surface& surface, int x, int y, int w, int h);

// Darkness on the 0 (white) .. 1000 (black) scale of the sampling, from a mean L*.
std::int32_t DarknessOfLightness(double lightness);

// Every piece's darkness from its mean L*, over the pieces SamplePicture measures.
void SampleLightness(const Surface& source, const ArtLayout& layout,
                     std::vector<std::int32_t>& darkness);

// The p-th percentile (0 < p <= 100) of values held to 0..1000, by nearest rank: the smallest
// value with at least p% of all values at or below it. 0 when there are none.
int Percentile(const std::vector<std::int32_t>& values, double percent);

// Maps the low..high percentile span linearly onto 0..1000, values outside it to the ends;
// leaves the values as they are when the span is empty (a flat picture).
void StretchTones(std::vector<std::int32_t>& values, double lowPercent = 1.0,
                  double highPercent = 99.0);

// Histogram equalisation onto 0..1000: a value v becomes
// (cdf(v) - cdf(lowest)) / (n - cdf(lowest)) x 1000, rounded, where cdf(v) counts the values at
// or below v; leaves the values as they are when they are all one.
void EqualizeTones(std::vector<std::int32_t>& values);

// With a tone mode other than None, replaces the grid's darkness by the pieces' L* darkness,
// stretched or equalised onto the palette's 0..1000 scale.
void ApplyTone(const Surface& source, const ArtLayout& layout, ToneMode mode, CellGrid& grid);

} // namespace lumina
