#include "glyph/glyph_view.h"

#include "glyph/bitmap.h"
#include "glyph/last_settings.h"
#include "glyph/outline.h"
#include "glyph/text_metrics.h"
#include "glyph/view_drawing.h"
#include "glyph/view_faces.h"
#include "glyph/view_marks.h"
#include "glyph/view_observer.h"
#include "glyph/view_outline.h"
#include "glyph/view_overlays.h"
#include "glyph/view_study.h"
#include "services/common.h"
#include "services/services.h"

#include <algorithm>
#include <limits>

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

// a - b, held to what a coordinate can take.
int Difference(int a, int b) {
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(a) - b,
                                                  std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

// True when the surface's font maps the request's character (or sequence) to no glyph.
bool IsMissing(const Surface& surface, const GlyphRequest& request) {
    const Font* font = surface.SelectedFont();
    const std::optional<GlyphKey> key = request.Key();
    return font && key && font->IndexOf(*key) == 0;
}

// Moves every entry in use, and the bounds, by d.
void ShiftOutline(GlyphOutline& outline, Point d) {
    for (int i = 0; i < outline.pointCount && i < static_cast<int>(outline.points.size()); ++i) {
        outline.points[static_cast<std::size_t>(i)].x += d.x;
        outline.points[static_cast<std::size_t>(i)].y += d.y;
    }
    if (outline.bounds)
        *outline.bounds = {outline.bounds->left + d.x, outline.bounds->top + d.y,
                           outline.bounds->right + d.x, outline.bounds->bottom + d.y};
}

// A face's name in the legend, with its bold and italic.
std::string FaceLabel(const char* role, const Font& font) {
    std::string text = std::string(role) + font.Face().family;
    if (font.Logical().weight >= 700)
        text += " 太字";
    if (font.Logical().italic)
        text += " イタリック";
    return text;
}

} // namespace

struct GlyphView::Impl {
    Impl(const EngineServices& s, GlyphViewObserver& o)
        : services(s)
        , observer(o) {}

    bool Core(GlyphViewState& state, Problems& problems);
    // The outline picture; the counts field and its note follow what it counted.
    void DrawOutline(const GlyphViewState& state, const GlyphKey& key);
    // What the study switches draw besides the outline: the font's own points, and the
    // unhinted outline (and points) of the comparison.
    void FetchStudyGlyphs(const GlyphViewState& state, const GlyphKey& key);
    // The typesetting switches' glyphs: the vertical form, and the second face's font, outline
    // and bitmap; shows the second face's values.
    void PrepareFaces(const GlyphViewState& state);
    void FetchCompareGlyph(const GlyphKey& key, CompareValues& values);
    // The glyph the pictures show: the request's, or its vertical form.
    GlyphKey ShownKey(const GlyphKey& key) const;
    int DrawDrawing(const GlyphViewState& state);
    void DrawLegends(const GlyphViewState& state);

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
    // What placing moved the outline by, and the study switches' glyphs.
    Point placeShift;
    std::optional<SourceOutline> fontPoints;
    GlyphOutline unhinted;
    std::optional<SourceOutline> unhintedPoints;
    std::optional<VerticalGlyph> vertical;
    std::shared_ptr<const Font> compareFont;
    GlyphOutline compared;
    std::optional<GlyphBitmap> compareBitmap;
    // What brings the second face's vertical origin onto the first's (pixels, y down).
    Point compareShift;
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
    const GlyphKey shown = ShownKey(*key);
    const Result<DecodeStop> decoded =
        DecodeNativeOutline(*outlineSurface, shown, outline, metrics, observer);
    if (!decoded) {
        problems.push_back(decoded.problem());
        return false;
    }
    if (auto note = StopNote(*decoded))
        problems.push_back(std::move(*note));
    const std::optional<Rect> decodedBounds = outline.bounds;
    PlaceOutline(outline, outlineSurface->Width(), outlineSurface->Height());
    placeShift = decodedBounds && outline.bounds
                     ? Point{Difference(outline.bounds->left, decodedBounds->left),
                             Difference(outline.bounds->top, decodedBounds->top)}
                     : Point{};
    DrawOutline(state, shown);

    if (!BuildGlyphBitmap(*bitmapSurface, shown, bitmap)) {
        problems.push_back(Problem::Refused(kMsgNoBitmap));
        return false;
    }
    if (state.study.Zoomed()) {
        const std::optional<view::SecondBitmap> second =
            compareBitmap ? std::optional<view::SecondBitmap>({*compareBitmap, compareShift})
                          : std::nullopt;
        view::DrawZoomedBitmapPicture(services, *bitmapSurface, bitmap, state.options, state.study,
                                      state.request.FontSize, second ? &*second : nullptr);
    } else {
        view::DrawBitmapPicture(*bitmapSurface, bitmap, state.options);
        if (compareBitmap)
            view::DrawCompareBitmap(*bitmapSurface, bitmap, *compareBitmap, compareShift);
    }
    return true;
}

void GlyphView::Impl::DrawOutline(const GlyphViewState& state, const GlyphKey& key) {
    const StudyOptions& study = state.study;
    if (!study.ChangesOutline() && !compareFont) {
        vertexCount = view::DrawOutlinePicture(services, *outlineSurface, outline, metrics,
                                               state.options, state.request.FontSize);
        observer.ShowCounts(view::CountsText(vertexCount, outline.blockCount));
        observer.ShowCountsNote(false, 0);
        return;
    }
    FetchStudyGlyphs(state, key);
    const view::StudyOutline glyph{outline,
                                   metrics,
                                   placeShift,
                                   fontPoints ? &*fontPoints : nullptr,
                                   study.compareHinting ? &unhinted : nullptr,
                                   unhintedPoints ? &*unhintedPoints : nullptr,
                                   compareFont && compared.pointCount > 0 ? &compared : nullptr};
    const view::StudyCounts counts =
        view::DrawStudyOutlinePicture(services, *outlineSurface, glyph, state.options, study,
                                      state.request.FontSize, state.request.FontDeg);
    // The vertex count stays the decoded outline's, whatever the counts field shows.
    vertexCount = outline.vertexCount;
    const bool ownPoints = study.fontPoints && fontPoints;
    observer.ShowCounts(view::CountsText(counts.points, counts.blocks));
    observer.ShowCountsNote(ownPoints, counts.numbersLeftOut);
}

void GlyphView::Impl::FetchStudyGlyphs(const GlyphViewState& state, const GlyphKey& key) {
    const StudyOptions& study = state.study;
    fontPoints.reset();
    unhinted.Clear();
    unhintedPoints.reset();
    const Font* font = outlineSurface->SelectedFont();
    if (study.fontPoints && font)
        fontPoints = font->SourcePointsOf(key);
    if (!study.compareHinting)
        return;
    FontSpec unhintedFont = state.request.ToFontSpec();
    unhintedFont.hinted = false;
    const std::shared_ptr<const Font> plain =
        services.fonts.CreateFont(MakeLogicalFont(unhintedFont, outlineSurface->DpiY()));
    if (!plain)
        return;
    // Without its outline the comparison has nothing to draw; the picture goes on without it.
    if (const std::optional<GlyphData> native = plain->GlyphOf(key, GlyphFormat::Native))
        static_cast<void>(DecodeNativeRecords(native->bytes, unhinted));
    if (study.fontPoints)
        unhintedPoints = plain->SourcePointsOf(key);
}

GlyphKey GlyphView::Impl::ShownKey(const GlyphKey& key) const {
    return vertical ? GlyphKey::Index(vertical->glyphIndex) : key;
}

void GlyphView::Impl::PrepareFaces(const GlyphViewState& state) {
    vertical.reset();
    compareFont.reset();
    compared.Clear();
    compareBitmap.reset();
    compareShift = {};
    const Font* font = outlineSurface->SelectedFont();
    const std::optional<GlyphKey> key = state.request.Key();
    if (state.faces.vertical && font && key)
        vertical = font->Vertical(*key);
    if (state.faces.Comparing())
        compareFont = services.fonts.CreateFont(MakeLogicalFont(
            CompareFontSpec(state.request, state.faces.compareFace), outlineSurface->DpiY()));
    if (!compareFont) {
        observer.ShowCompareValues(nullptr);
        return;
    }
    CompareValues values{compareFont->Face().family, compareFont->Metrics(), std::nullopt};
    if (key)
        FetchCompareGlyph(*key, values);
    observer.ShowCompareValues(&values);
}

void GlyphView::Impl::FetchCompareGlyph(const GlyphKey& key, CompareValues& values) {
    GlyphKey shown = key;
    if (vertical) {
        // Both faces hang from one vertical origin.
        if (const std::optional<VerticalGlyph> v = compareFont->Vertical(key)) {
            shown = GlyphKey::Index(v->glyphIndex);
            compareShift = {vertical->origin.x - v->origin.x, v->origin.y - vertical->origin.y};
        }
    }
    // Without its outline or bitmap the second face is left out of that picture only.
    if (const std::optional<GlyphData> native = compareFont->GlyphOf(shown, GlyphFormat::Native)) {
        values.glyph = native->metrics;
        static_cast<void>(DecodeNativeRecords(native->bytes, compared));
        ShiftOutline(compared, compareShift);
    }
    const std::optional<GlyphData> gray = compareFont->GlyphOf(shown, GlyphFormat::Gray17);
    if (gray && !gray->bytes.empty())
        compareBitmap = MakeGlyphBitmap(gray->metrics, gray->bytes, bitmapSurface->Format());
}

int GlyphView::Impl::DrawDrawing(const GlyphViewState& state) {
    FaceTables tables;
    const Font* font = drawingSurface->SelectedFont();
    if (state.faces.frames && font)
        tables = font->Tables();
    const view::DrawingInput input{state.request,
                                   metrics,
                                   state.options,
                                   Point{state.OrgX, state.OrgY},
                                   bitmap.blackPixelCount,
                                   compareFont,
                                   state.faces.frames ? &tables : nullptr};
    if (vertical)
        return view::DrawVerticalDrawing(services, *drawingSurface, input,
                                         {*vertical, input.frames});
    return view::DrawActualDrawing(services, *drawingSurface, input);
}

void GlyphView::Impl::DrawLegends(const GlyphViewState& state) {
    if (!state.faces.Any())
        return;
    std::vector<view::LegendEntry> shared;
    const Font* font = drawingSurface->SelectedFont();
    if (compareFont && font) {
        shared.push_back({Rgb(0, 0, 0), FaceLabel("表示フォント：", *font)});
        shared.push_back({view::kCompareColour, FaceLabel("比較フォント：", *compareFont)});
    }
    if (vertical)
        shared.push_back(
            {Rgb(128, 64, 64), (vertical->substituted ? "縦書き：vert / vrt2 のグリフ "
                                                      : "縦書き：置き換えなし グリフ ") +
                                   std::to_string(vertical->glyphIndex)});
    view::DrawLegend(services, *outlineSurface, shared);
    view::DrawLegend(services, *bitmapSurface, shared);
    std::vector<view::LegendEntry> drawing = shared;
    if (!drawing.empty() && compareFont)
        drawing.front().colour = Rgb(128, 144, 192); // the drawing's character colour
    if (state.faces.frames && font)
        for (view::LegendEntry& e : view::FrameLegendEntries(font->Tables()))
            drawing.push_back(std::move(e));
    view::DrawLegend(services, *drawingSurface, drawing);
}

GlyphView::GlyphView(const EngineServices& services, GlyphViewObserver& observer)
    : m_impl(std::make_unique<Impl>(services, observer)) {}

GlyphView::~GlyphView() = default;

bool GlyphView::MakeSurfaces(int W, int H, int ratio) {
    const EngineServices& sv = m_impl->services;
    // The surfaces keep the display's resolution whatever their ratio: the glyph is requested
    // at the size typed, and only drawn finer.
    const auto make = [&] {
        return Surface::CreateScaled(W, H, ratio, &sv.fonts, sv.displayFormat, sv.displayDpiX,
                                     sv.displayDpiY);
    };
    auto outline = make();
    auto bitmap = make();
    auto drawing = make();
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

int GlyphView::Ratio() const {
    return m_impl->outlineSurface ? m_impl->outlineSurface->Ratio() : 1;
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
    im.PrepareFaces(state);
    outcome.ok = im.Core(state, outcome.problems);
    // The drawing is redrawn whatever became of the core, from the metrics and the black pixel
    // count of the last refresh that had them.
    im.inkRatio = im.DrawDrawing(state);
    im.observer.ShowInkRatio(InkRatioText(im.inkRatio));
    im.DrawLegends(state);
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

int GlyphView::FitZoom(DisplayMode mode) const {
    const Impl& im = *m_impl;
    Size extent;
    if (mode == DisplayMode::Bitmap) {
        extent = {im.bitmap.width, im.bitmap.height};
    } else if (im.outline.bounds) {
        const Rect& b = *im.outline.bounds;
        extent = {b.right - b.left + 1, b.bottom - b.top + 1};
    }
    return lumina::FitZoom(extent, Width(), Height());
}

Hinting HintingOf(const GlyphViewState& state) {
    if (!state.request.hinted)
        return Hinting::Off;
    return state.study.compareHinting ? Hinting::Compare : Hinting::On;
}

void SetHinting(GlyphViewState& state, Hinting hinting) {
    state.request.hinted = hinting != Hinting::Off;
    state.study.compareHinting = hinting == Hinting::Compare;
}

} // namespace lumina
