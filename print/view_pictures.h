#pragma once

#include "platform/geometry.h"

#include <array>

namespace lumina {

class Surface;
class GlyphView;

// The main window's three view pictures and the view's size, as the print dialog and the
// batch tool read them.
struct ViewPictures {
    std::array<const Surface*, 3> surfaces{}; // outline, bitmap, drawing
    Size size;

    // The picture a display kind prints: 1 outline, 2 bitmap, anything else the drawing.
    const Surface* Of(int displayKind) const {
        const int index = displayKind == 1 ? 0 : displayKind == 2 ? 1 : 2;
        return surfaces[static_cast<std::size_t>(index)];
    }
};

ViewPictures PicturesOf(const GlyphView& view);

} // namespace lumina
