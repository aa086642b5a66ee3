#pragma once

#include "glyph/glyph_view.h"
#include "glyph/outline.h"

namespace lumina {

struct EngineServices;
struct GlyphBitmap;

namespace view {

// The outline picture: the outline's vertices joined by straight lines, centred on the view,
// with markers, numbers, the black-box frame and its labels. Returns the vertices counted by
// the walk (closing vertices excluded).
int DrawOutlinePicture(const EngineServices& services, Surface& surface,
                       const GlyphOutline& outline, const GlyphMetrics& metrics,
                       const ViewOptions& options, int fontSize);

// What the outline picture adds to the placed outline's points: the bounds centred on W x H.
Point OutlineOffset(const GlyphOutline& outline, int W, int H);

// The frame of the outline's bounds (already moved onto the view) in blue, with the black-box
// labels the switches ask for: the width above it, the height beside it.
void DrawBlackBox(const EngineServices& services, Surface& surface, const Rect& frame,
                  const GlyphMetrics& metrics, const ViewOptions& options, int labelSize);

// The bitmap picture: the ink grid's image centred on the view, and the centre lines.
void DrawBitmapPicture(Surface& surface, const GlyphBitmap& bitmap, const ViewOptions& options);

// "%d(%d)" of vertices and blocks.
std::string CountsText(int vertices, int blocks);

} // namespace view
} // namespace lumina
