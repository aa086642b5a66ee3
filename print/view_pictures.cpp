#include "print/view_pictures.h"

#include "glyph/glyph_view.h"
#include "print/insatu_dlg.h"

namespace lumina {

ViewPictures PicturesOf(const GlyphView& view) {
    ViewPictures pictures;
    pictures.surfaces = {view.SurfaceOf(kModeOutline), view.SurfaceOf(kModeBitmap),
                         view.SurfaceOf(kModeDrawing)};
    pictures.size = {view.Width(), view.Height()};
    return pictures;
}

// Kept here, beside the reading of the view, so that users of the dialog that hand it the
// pictures themselves need no glyph view.
CInsatuDlg::CInsatuDlg(const Services& services, PrinterSettings& printer, const GlyphView& view,
                       int displayMode, QWidget* owner)
    : CInsatuDlg(services, printer, PicturesOf(view), displayMode, owner) {}

} // namespace lumina
