#include "glyph/glyph_view.h"

#include "glyph/bitmap.h"
#include "glyph/last_settings.h"
#include "glyph/outline.h"
#include "glyph/text_metrics.h"
#include "glyph/view_drawing.h"
#include "glyph/view_marks.h"
#include "glyph/view_observer.h"
#include "glyph/view_outline.h"
#include "glyph/view_overlays.h"
#include "services/common.h"
#include "services/services.h"

namespace lumina {

const std::array<ViewOptions::Switch, 13>& ViewOptions::Switches() {
    return last::kSwitches;
}

namespace {

// The request's font, made once and selected into the three surfaces for one refresh; each
// surface gets its previous font back when it goes.
class RequestFont {
public:
    RequestFont(const EngineServices& services, const FontSpec& fontSpec,
                std::array<Surface*, 3> surfaces)
        : m_surfaces(surfaces) {
        m_previous[0] = CreateAndSelectFont(services, m_font, *m_surfaces[0], fontSpec);
        for (std::size_t i = 1; i < m_surfaces.size(); ++i)
            m_previous[i] = m_surfaces[i]->SelectFont(m_font);
    }
    ~RequestFont() {
        for (std::size_t i = 0; i < m_surfaces.size(); ++i)
            m_surfaces[i]->SelectFont(std::move(m_previous[i]));
    }
    RequestFont(const RequestFont&) = delete;
    RequestFont& operator=(const RequestFont&) = delete;

private:
    std::array<Surface*, 3> m_surfaces;
    std::shared_ptr<const Font> m_font;
    std::array<std::shared_ptr<const Font>, 3> m_previous;
};

// True when the surface's font maps the request's character (or sequence) to no glyph.
bool IsMissing(const Surface& surface, const GlyphRequest& request) {
    const Font* font = surface.SelectedFont();
    const std::optional<GlyphKey> key = request.Key();
    return font && key && font->IndexOf(*key) == 0;
}

} // namespace

struct GlyphView::Impl {
    Impl(const EngineServices& s, GlyphViewObserver& o)
        : services(s)
        , observer(o) {}

    bool Core(GlyphViewState& state, Problems& problems);

    const EngineServices& services;
    GlyphViewObserver& observer;
    std::optional<Surface> outlineSurface;
    std::optional<Surface> bitmapSurface;
    std::optional<Surface> drawingSurface;
    GlyphOutline outline;
    GlyphMetrics metrics;
    GlyphBitmap bitmap;
    int vertexCount = 0;
    int inkRatio = 0;
};

// Text metrics, outline and outline picture, bitmap and bitmap picture; false as soon as the
// outline or the bitmap cannot be had.
bool GlyphView::Impl::Core(GlyphViewState& state, Problems& problems) {
    outline.Clear();
    const TextMetrics tm = ShowTextMetrics(*outlineSurface, observer);
    state.request.tmAscent = tm.tmAscent;
    state.request.tmDescent = tm.tmDescent;
    observer.ShowGlyphMetrics(nullptr);

    const std::optional<GlyphKey> key = state.request.Key();
    if (!key) {
        problems.push_back(
            Problem::Refused(kMsgNoOutline)); // what the font says to a non-character
        return false;
    }
    const Result<DecodeStop> decoded =
        DecodeNativeOutline(*outlineSurface, *key, outline, metrics, observer);
    if (!decoded) {
        problems.push_back(decoded.problem());
        return false;
    }
    if (auto note = StopNote(*decoded))
        problems.push_back(std::move(*note));
    PlaceOutline(outline, outlineSurface->Width(), outlineSurface->Height());
    vertexCount = view::DrawOutlinePicture(services, *outlineSurface, outline, metrics,
                                           state.options, state.request.FontSize);
    observer.ShowCounts(view::CountsText(vertexCount, outline.blockCount));

    if (!BuildGlyphBitmap(*bitmapSurface, *key, bitmap)) {
        problems.push_back(Problem::Refused(kMsgNoBitmap));
        return false;
    }
    view::DrawBitmapPicture(*bitmapSurface, bitmap, state.options);
    return true;
}

GlyphView::GlyphView(const EngineServices& services, GlyphViewObserver& observer)
    : m_impl(std::make_unique<Impl>(services, observer)) {}

GlyphView::~GlyphView() = default;

bool GlyphView::MakeSurfaces(int W, int H) {
    const EngineServices& sv = m_impl->services;
    auto outline = Surface::Create(W, H, sv.displayFormat, sv.displayDpiX, sv.displayDpiY);
    auto bitmap = Surface::Create(W, H, sv.displayFormat, sv.displayDpiX, sv.displayDpiY);
    auto drawing = Surface::Create(W, H, sv.displayFormat, sv.displayDpiX, sv.displayDpiY);
    if (!outline || !bitmap || !drawing)
        return false;
    m_impl->outlineSurface = std::move(outline);
    m_impl->bitmapSurface = std::move(bitmap);
    m_impl->drawingSurface = std::move(drawing);
    return true;
}

int GlyphView::Width() const {
    return m_impl->outlineSurface ? m_impl->outlineSurface->Width() : 0;
}

int GlyphView::Height() const {
    return m_impl->outlineSurface ? m_impl->outlineSurface->Height() : 0;
}

RefreshOutcome GlyphView::RefreshGlyphView(GlyphViewState& state) {
    Impl& im = *m_impl;
    RefreshOutcome outcome;
    if (!im.outlineSurface)
        return outcome;
    const std::array<Surface*, 3> surfaces{&*im.outlineSurface, &*im.bitmapSurface,
                                           &*im.drawingSurface};
    for (Surface* s : surfaces)
        view::FillWhite(*s);
    const RequestFont font(im.services, state.request.ToFontSpec(), surfaces);
    outcome.missingGlyph = IsMissing(*im.outlineSurface, state.request);
    outcome.ok = im.Core(state, outcome.problems);
    // The drawing is redrawn whatever became of the core, from the metrics and the black pixel
    // count of the last refresh that had them.
    const view::DrawingInput input{state.request, im.metrics, state.options,
                                   Point{state.OrgX, state.OrgY}, im.bitmap.blackPixelCount};
    im.inkRatio = view::DrawActualDrawing(im.services, *im.drawingSurface, input);
    im.observer.ShowInkRatio(InkRatioText(im.inkRatio));
    return outcome;
}

void GlyphView::Paint(Surface& paintSurface, const Rect& viewRect,
                      const GlyphViewState& state) const {
    if (const Surface* source = SurfaceOf(state.mode))
        paintSurface.CopyFrom(*source, source->Bounds(), {viewRect.left, viewRect.top});
    view::DrawDial(m_impl->services, paintSurface, viewRect, state.RoundR);
    if (view::IsPresent(state.measure1))
        view::DrawMeasuringLine(m_impl->services, paintSurface, state.measure1, state.measure2);
}

const Surface* GlyphView::SurfaceOf(DisplayMode mode) const {
    const std::optional<Surface>& s = mode == DisplayMode::Outline  ? m_impl->outlineSurface
                                      : mode == DisplayMode::Bitmap ? m_impl->bitmapSurface
                                                                    : m_impl->drawingSurface;
    return s ? &*s : nullptr;
}

int GlyphView::OutlinePointCount() const {
    return m_impl->outline.pointCount;
}

const GlyphOutline& GlyphView::Outline() const {
    return m_impl->outline;
}

const GlyphMetrics& GlyphView::Metrics() const {
    return m_impl->metrics;
}

const GlyphBitmap& GlyphView::Bitmap() const {
    return m_impl->bitmap;
}

int GlyphView::BlackPixelCount() const {
    return m_impl->bitmap.blackPixelCount;
}

int GlyphView::VertexCount() const {
    return m_impl->vertexCount;
}

int GlyphView::InkRatio() const {
    return m_impl->inkRatio;
}

} // namespace lumina
