#include "print/view_pictures.h"

#include "glyph/glyph_view.h"

namespace lumina {

ViewPictures PicturesOf(const GlyphView& view) {
    ViewPictures pictures;
    pictures.surfaces = {view.SurfaceOf(kModeOutline), view.SurfaceOf(kModeBitmap),
                         view.SurfaceOf(kModeDrawing)};
    pictures.size = {view.Width(), view.Height()};
    return pictures;
}

} // namespace lumina
