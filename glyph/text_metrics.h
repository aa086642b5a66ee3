#pragma once

#include "glyph/view_observer.h"
#include "platform/font.h"

namespace lumina {

class Surface;

// Reads the text metrics of the surface's selected font, shows them in the "TEXTMETRIC"
// fields and returns them (the caller keeps tmAscent and tmDescent). A surface without a font
// shows and returns zeros.
TextMetrics ShowTextMetrics(const Surface& surface, GlyphViewObserver& observer);

} // namespace lumina
