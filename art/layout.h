#pragma once

#include "art/settings.h"

namespace lumina {

// The art font's metrics the layout and the palette need, in pixels.
struct ArtFontMetrics {
    int tmAscent = 0;
    int tmDescent = 0;
    int tmAveCharWidth = 0;
};

enum class LayoutResult {
    Ok,
    TooFewColumns, // two or fewer characters a line, or no usable cell width (message 30019)
    NoRows,        // the picture is shorter than one piece
};

// Lays out the grid for a picture of width x height. Fields are written as the steps go, so a
// stop leaves the figures computed so far.
LayoutResult ComputeArtLayout(const ArtSettings& settings, const ArtFontMetrics& font, int width,
                              int height, ArtLayout& layout);

} // namespace lumina
