#pragma once

#include "glyph/glyph_view.h"
#include "platform/geometry.h"

#include <array>

namespace lumina {

// The main window's three view pictures and the view's size, as the print dialog and the
// batch tool read them.
struct ViewPictures {
    std::array<const Surface*, 3> surfaces{}; // outline, bitmap, drawing
    Size size;

    // The picture a display mode prints.
    const Surface* Of(DisplayMode mode) const {
        return surfaces[static_cast<std::size_t>(mode) - 1];
    }
};

ViewPictures PicturesOf(const GlyphView& view);

} // namespace lumina
