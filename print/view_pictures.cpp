#include "print/view_pictures.h"

#include "glyph/glyph_view.h"

namespace lumina {

ViewPictures PicturesOf(const GlyphView& view) {
    ViewPictures pictures;
    pictures.surfaces = {view.SurfaceOf(DisplayMode::Outline), view.SurfaceOf(DisplayMode::Bitmap),
                         view.SurfaceOf(DisplayMode::Drawing)};
    pictures.size = {view.Width(), view.Height()};
    return pictures;
}

} // namespace lumina
