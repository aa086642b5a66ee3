#include "glyph/glyph_view.h"

#include "app/services.h"
#include "glyph/view_observer.h"

namespace lumina {

const std::array<ViewOptions::Switch, 13>& ViewOptions::Switches() {
    static const std::array<Switch, 13> switches{{
        {"DspPos", &ViewOptions::DspPos},
        {"DspNo", &ViewOptions::DspNo},
        {"DspCenter", &ViewOptions::DspCenter},
        {"DspDrawOrg", &ViewOptions::DspDrawOrg},
        {"DspGlyphOrg", &ViewOptions::DspGlyphOrg},
        {"DspGlyphOrgX", &ViewOptions::DspGlyphOrgX},
        {"DspGlyphOrgY", &ViewOptions::DspGlyphOrgY},
        {"DspCellIncX", &ViewOptions::DspCellIncX},
        {"DspCellIncY", &ViewOptions::DspCellIncY},
        {"DspBlackBoxX", &ViewOptions::DspBlackBoxX},
        {"DspBlackBoxY", &ViewOptions::DspBlackBoxY},
        {"DspAscent", &ViewOptions::DspAscent},
        {"DspDescent", &ViewOptions::DspDescent},
    }};
    return switches;
}

struct GlyphView::Impl {
    const Services& services;
    GlyphViewObserver& observer;
    Owner owner;
    std::optional<Surface> outline;
    std::optional<Surface> bitmap;
    std::optional<Surface> drawing;
    int pointCount = 0;
};

GlyphView::GlyphView(const Services& services, GlyphViewObserver& observer, Owner owner)
    : m_impl(std::make_unique<Impl>(Impl{services, observer, owner, {}, {}, {}, 0})) {}

GlyphView::~GlyphView() = default;

bool GlyphView::MakeSurfaces(int W, int H) {
    const PixelFormat format = m_impl->services.displayFormat;
    const int dpiX = m_impl->services.displayDpiX;
    const int dpiY = m_impl->services.displayDpiY;
    auto outline = Surface::Create(W, H, format, dpiX, dpiY);
    auto bitmap = Surface::Create(W, H, format, dpiX, dpiY);
    auto drawing = Surface::Create(W, H, format, dpiX, dpiY);
    if (!outline || !bitmap || !drawing)
        return false;
    m_impl->outline = std::move(outline);
    m_impl->bitmap = std::move(bitmap);
    m_impl->drawing = std::move(drawing);
    for (Surface* s : {&*m_impl->outline, &*m_impl->bitmap, &*m_impl->drawing})
        s->FillRect(s->Bounds(), Rgb(255, 255, 255));
    return true;
}

int GlyphView::Width() const {
    return m_impl->outline ? m_impl->outline->Width() : 0;
}

int GlyphView::Height() const {
    return m_impl->outline ? m_impl->outline->Height() : 0;
}

bool GlyphView::RefreshGlyphView(GlyphViewState& /*state*/) {
    if (!m_impl->outline)
        return false;
    for (Surface* s : {&*m_impl->outline, &*m_impl->bitmap, &*m_impl->drawing})
        s->FillRect(s->Bounds(), Rgb(255, 255, 255));
    return true;
}

void GlyphView::Paint(Surface& paintSurface, const Rect& viewRect,
                      const GlyphViewState& state) const {
    if (const Surface* source = SurfaceOf(state.mode))
        paintSurface.CopyFrom(*source, source->Bounds(), {viewRect.left, viewRect.top});
}

const Surface* GlyphView::SurfaceOf(DisplayMode mode) const {
    const std::optional<Surface>& s = mode == kModeOutline  ? m_impl->outline
                                      : mode == kModeBitmap ? m_impl->bitmap
                                                            : m_impl->drawing;
    return s ? &*s : nullptr;
}

int GlyphView::OutlinePointCount() const {
    return m_impl->pointCount;
}

} // namespace lumina
