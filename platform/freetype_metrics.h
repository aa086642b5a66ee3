#pragma once

#include "platform/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace lumina {

// The em height in pixels a logical height asks for on a face: a negative height is the em
// itself, a positive one the cell (ascent + descent); 0 when the face gives no cell.
int EmPixelsFor(FT_Face face, int logicalHeight);

// Text metrics of a face at an em height, derived as desktop rasterisers do for TrueType and
// OpenType faces (see the definition for the rules).
TextMetrics DeriveTextMetrics(FT_Face face, int emPixels, int weight);

} // namespace lumina
