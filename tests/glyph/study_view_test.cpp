// The study switches of the outline and bitmap pictures, checked by their pixels against the
// fixture fonts' own curves and points.
#include "glyph/bitmap.h"
#include "glyph/glyph_view.h"
#include "glyph/label_layout.h"
#include "glyph/outline.h"
#include "glyph/view_marks.h"
#include "glyph/view_outline.h"
#include "glyph/view_study.h"
#include "tests/glyph/view_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace lumina {
namespace {

using test::FixtureFonts;
using test::ViewRig;
using view::PointF;

constexpr COLORREF kBlack = Rgb(0, 0, 0);

// A fixture glyph at an em of 100 pixels (75 points), where every point it stores is a pixel.
void RequestFixture(GlyphViewState& state, const char* face, char c) {
    state.request.Char = std::string(1, c);
    state.request.SjisCode = static_cast<unsigned char>(c);
    state.request.FontName = face;
    state.request.FontSize = 75;
}

// Only the outline's own line left in black.
void LineOnly(ViewOptions& options) {
    options.DspPos = false;
    options.DspNo = false;
    options.DspCenter = false;
    options.DspBlackBoxX = false;
    options.DspBlackBoxY = false;
}

// Where the picture at x1 puts a point of the font (pixels, y up): the decoded outline begins at
// the font's point start, so its first entry says where placing moved the font's origin, and the
// picture then centres the bounds.
struct FontToView {
    double dx = 0;
    double dy = 0;
    PointF operator()(PointF font) const { return {font.x + dx, -font.y + dy}; }
};

FontToView Mapping(const ViewRig& rig, PointF start) {
    const GlyphOutline& outline = rig.view.Outline();
    const Rect b = *outline.bounds;
    const Surface& s = rig.Picture(DisplayMode::Outline);
    const int ox = s.Width() / 2 - (b.left + b.right) / 2;
    const int oy = s.Height() / 2 - (b.top + b.bottom) / 2;
    const OutlinePoint first = outline.Entries()[0];
    return {first.x + ox - start.x, first.y + oy + start.y};
}

std::vector<Point> PixelsOf(const Surface& s, COLORREF colour) {
    std::vector<Point> pixels;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.PixelAt({x, y}) == colour)
                pixels.push_back({x, y});
    return pixels;
}

double Distance(PointF p, const std::vector<PointF>& curve) {
    double best = 1e18;
    for (const PointF& q : curve)
        best = std::min(best, std::hypot(p.x - q.x, p.y - q.y));
    return best;
}

// A curve as its Bezier pieces (three control points for a quadratic one, four for a cubic),
// in the font's pixels, y up.
using Pieces = std::vector<std::vector<PointF>>;

std::vector<PointF> Sample(const Pieces& pieces, const FontToView& toView) {
    std::vector<PointF> samples;
    for (const auto& c : pieces) {
        for (int i = 0; i <= 400; ++i) {
            const double t = i / 400.0, u = 1 - t;
            PointF p;
            if (c.size() == 3) {
                p = {u * u * c[0].x + 2 * u * t * c[1].x + t * t * c[2].x,
                     u * u * c[0].y + 2 * u * t * c[1].y + t * t * c[2].y};
            } else {
                p = {u * u * u * c[0].x + 3 * u * u * t * c[1].x + 3 * u * t * t * c[2].x +
                         t * t * t * c[3].x,
                     u * u * u * c[0].y + 3 * u * u * t * c[1].y + 3 * u * t * t * c[2].y +
                         t * t * t * c[3].y};
            }
            samples.push_back(toView(p));
        }
    }
    return samples;
}

// The fixture glyphs with curves, as their fonts store them (tests/data/fonts), at an em of 100:
// E of four conic points (on-curve points implied between them) or of four cubic arcs; D a line
// run closed by one curve.
struct CurvedGlyph {
    const char* face;
    char character;
    PointF start; // the decoded outline's first vertex
    Pieces pieces;
};

const CurvedGlyph kCurvedGlyphs[] = {
    {"Lumina Test",
     'E',
     {60, 20},
     {{{60, 20}, {80, 40}, {60, 60}},
      {{60, 60}, {40, 80}, {20, 60}},
      {{20, 60}, {0, 40}, {20, 20}},
      {{20, 20}, {40, 0}, {60, 20}}}},
    {"Lumina Test CFF",
     'E',
     {60, 20},
     {{{60, 20}, {70, 30}, {70, 50}, {60, 60}},
      {{60, 60}, {50, 70}, {30, 70}, {20, 60}},
      {{20, 60}, {10, 50}, {10, 30}, {20, 20}},
      {{20, 20}, {30, 10}, {50, 10}, {60, 20}}}},
    {"Lumina Test",
     'D',
     {40, 60},
     {{{40, 60}, {40, 0}}, {{40, 0}, {10, 0}}, {{10, 0}, {10, 60}, {40, 60}}}},
    {"Lumina Test CFF",
     'D',
     {40, 60},
     {{{40, 60}, {40, 0}}, {{40, 0}, {10, 0}}, {{10, 0}, {10, 20}, {20, 60}, {40, 60}}}},
};

// A straight piece sampled as a degenerate quadratic.
Pieces WithLinesAsQuadratics(const Pieces& pieces) {
    Pieces out;
    for (const auto& p : pieces)
        out.push_back(p.size() == 2 ? std::vector<PointF>{p[0], p[0], p[1]} : p);
    return out;
}

TEST(StudyCurves, TheCurvesLieOnTheTrueCurveWhereStraightLinesDoNot) {
    enum Form { kDecodedCurves, kFontPointCurves, kStraight };
    for (const CurvedGlyph& g : kCurvedGlyphs) {
        for (const Form form : {kDecodedCurves, kFontPointCurves, kStraight}) {
            SCOPED_TRACE(std::string(g.face) + " " + g.character + " form " + std::to_string(form));
            ViewRig rig(FixtureFonts(), 300, 200);
            RequestFixture(rig.state, g.face, g.character);
            LineOnly(rig.state.options);
            rig.state.study.curves = form != kStraight;
            rig.state.study.fontPoints = form == kFontPointCurves;
            ASSERT_TRUE(rig.Refresh());
            const std::vector<PointF> curve =
                Sample(WithLinesAsQuadratics(g.pieces), Mapping(rig, g.start));
            const std::vector<Point> drawn = PixelsOf(rig.Picture(DisplayMode::Outline), kBlack);
            ASSERT_GT(drawn.size(), 100u);
            double farthest = 0;
            for (const Point p : drawn)
                farthest = std::max(farthest, Distance({1.0 * p.x, 1.0 * p.y}, curve));
            if (form == kStraight) {
                EXPECT_GT(farthest, 3.0);
                continue;
            }
            EXPECT_LE(farthest, 1.5);
            // And the whole curve is drawn.
            std::vector<PointF> pixels;
            for (const Point p : drawn)
                pixels.push_back({1.0 * p.x, 1.0 * p.y});
            for (std::size_t i = 0; i < curve.size(); i += 7)
                ASSERT_LE(Distance(curve[i], pixels), 1.5) << curve[i].x << "," << curve[i].y;
        }
    }
}

TEST(StudyCurves, ControlPointsAreGreySquaresJoinedToTheirVertices) {
    ViewRig rig(FixtureFonts(), 300, 200);
    RequestFixture(rig.state, "Lumina Test CFF", 'E');
    LineOnly(rig.state.options);
    rig.state.options.DspPos = true;
    rig.state.study.curves = true;
    ASSERT_TRUE(rig.Refresh());
    EXPECT_EQ(rig.observer.counts, "4(1)") << "the counts stay the vertices'";
    const Surface& s = rig.Picture(DisplayMode::Outline);
    const FontToView toView = Mapping(rig, {60, 20});
    // Each arc's two control points: a hollow square of 5 x 5, white inside.
    for (const PointF c : {PointF{70, 30}, PointF{70, 50}, PointF{30, 10}, PointF{10, 50}}) {
        const Point p = view::Nearest(toView(c));
        SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
        EXPECT_EQ(s.PixelAt({p.x - 2, p.y}), view::kControlGrey);
        EXPECT_EQ(s.PixelAt({p.x + 2, p.y}), view::kControlGrey);
        EXPECT_EQ(s.PixelAt(p), view::kWhite);
    }
    // The handle from the vertex (60, 20) to its control point (70, 30) runs in grey between
    // the vertex's circle and the square.
    const Point mid = view::Nearest(toView({65, 25}));
    int grey = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            grey += s.PixelAt({mid.x + dx, mid.y + dy}) == view::kControlGrey ? 1 : 0;
    EXPECT_GE(grey, 1);
}

TEST(StudyFontPoints, TheFontsPointsByKindNumberedFromZeroInItsOrder) {
    const struct {
        const char* face;
        std::vector<std::pair<PointF, SourcePointKind>> points;
        const char* counts;
    } cases[] = {
        {"Lumina Test",
         {{{10, 0}, SourcePointKind::On},
          {{10, 60}, SourcePointKind::On},
          {{40, 80}, SourcePointKind::Conic},
          {{70, 60}, SourcePointKind::Conic},
          {{70, 0}, SourcePointKind::On}},
         "5(1)"},
        {"Lumina Test CFF",
         {{{10, 0}, SourcePointKind::On},
          {{10, 60}, SourcePointKind::On},
          {{30, 80}, SourcePointKind::Cubic},
          {{50, 80}, SourcePointKind::Cubic},
          {{70, 60}, SourcePointKind::On},
          {{70, 0}, SourcePointKind::On}},
         "6(1)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.face);
        ViewRig rig(FixtureFonts(), 300, 200);
        RequestFixture(rig.state, c.face, 'B');
        rig.state.options.DspCenter = false;
        rig.state.options.DspBlackBoxX = false;
        rig.state.options.DspBlackBoxY = false;
        rig.state.study.fontPoints = true;
        ASSERT_TRUE(rig.Refresh());
        EXPECT_EQ(rig.observer.counts, c.counts);
        EXPECT_TRUE(rig.observer.fontPoints);
        const Surface& s = rig.Picture(DisplayMode::Outline);
        const FontToView toView = Mapping(rig, {10, 0});
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            const auto& [at, kind] = c.points[i];
            const Point p = view::Nearest(toView(at));
            SCOPED_TRACE(i);
            if (kind == SourcePointKind::On) {
                EXPECT_EQ(s.PixelAt({p.x - 1, p.y - 1}), kBlack) << "a filled dot";
            } else if (kind == SourcePointKind::Conic) {
                EXPECT_EQ(s.PixelAt({p.x - 1, p.y - 1}), view::kWhite) << "a hollow dot";
                EXPECT_EQ(s.PixelAt({p.x - 3, p.y}), view::kControlGrey);
            } else {
                EXPECT_EQ(s.PixelAt({p.x - 1, p.y - 1}), view::kWhite) << "a hollow square";
                EXPECT_EQ(s.PixelAt({p.x - 3, p.y - 3}), view::kControlGrey);
            }
            // The number is the point's place in the font's order, from 0.
            const auto alone = [&](std::size_t n) {
                return test::TextAlone(rig.services.Get(), 300, 200, view::LabelFont(6, 0), p,
                                       std::to_string(n), Rgb(255, 0, 0));
            };
            EXPECT_GT(test::TextMatch(s, alone(i)), test::TextMatch(s, alone(i + 1)) + 0.2);
        }
        // The first point is ringed in the direction colour, and its arrow runs beside the
        // contour's way: from (10, 0) up toward (10, 60), to the right of the line.
        const Point first = view::Nearest(toView({10, 0}));
        EXPECT_EQ(s.PixelAt({first.x, first.y - 7}), view::kDirectionColour);
        for (const int up : {8, 14, 20})
            EXPECT_EQ(s.PixelAt({first.x + 6, first.y - up}), view::kDirectionColour) << up;
        EXPECT_NE(s.PixelAt({first.x - 6, first.y - 14}), view::kDirectionColour);
    }
}

// The fixture's A: a square of 48 x 48 pixels at 60 points.
void RequestSquare(GlyphViewState& state) {
    RequestFixture(state, "Lumina Test", 'A');
    state.request.FontSize = 60;
}

Rect BoundsOf(const std::vector<Point>& pixels) {
    Rect r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (const Point p : pixels)
        r = {std::min(r.left, p.x), std::min(r.top, p.y), std::max(r.right, p.x),
             std::max(r.bottom, p.y)};
    return r;
}

TEST(StudyZoom, TheOutlineScalesAboutTheViewsCentreAndMovesByThePan) {
    ViewRig plain(FixtureFonts());
    RequestSquare(plain.state);
    LineOnly(plain.state.options);
    ASSERT_TRUE(plain.Refresh());
    const Rect one = BoundsOf(PixelsOf(plain.Picture(DisplayMode::Outline), kBlack));
    const auto map = [](int v, int centre, int zoom, int pan) {
        return centre + zoom * (v - centre) + pan;
    };
    const struct {
        int zoom;
        Point pan;
    } cases[] = {{3, {0, 0}}, {2, {15, -10}}, {5, {-40, -20}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zoom);
        ViewRig rig(FixtureFonts());
        RequestSquare(rig.state);
        LineOnly(rig.state.options);
        rig.state.study.zoom = c.zoom;
        rig.state.study.pan = c.pan;
        ASSERT_TRUE(rig.Refresh());
        const Rect zoomed = BoundsOf(PixelsOf(rig.Picture(DisplayMode::Outline), kBlack));
        EXPECT_EQ(zoomed.left, map(one.left, 200, c.zoom, c.pan.x));
        EXPECT_EQ(zoomed.right, map(one.right, 200, c.zoom, c.pan.x));
        EXPECT_EQ(zoomed.top, map(one.top, 150, c.zoom, c.pan.y));
        EXPECT_EQ(zoomed.bottom, map(one.bottom, 150, c.zoom, c.pan.y));
    }
    // At x64 the square's left side, moved onto column 100, crosses the whole view and is all
    // that is left of it.
    ViewRig far(FixtureFonts());
    RequestSquare(far.state);
    LineOnly(far.state.options);
    far.state.study.zoom = 64;
    far.state.study.pan = {100 - map(one.left, 200, 64, 0), 0};
    ASSERT_TRUE(far.Refresh());
    const std::vector<Point> drawn = PixelsOf(far.Picture(DisplayMode::Outline), kBlack);
    EXPECT_EQ(drawn.size(), 300u);
    EXPECT_TRUE(std::all_of(drawn.begin(), drawn.end(), [](Point p) { return p.x == 100; }));
}

TEST(StudyZoom, EveryGlyphPixelBecomesAZoomSquareApartFromTheGridLines) {
    const struct {
        int zoom;
        Point pan;
    } cases[] = {{2, {0, 0}}, {3, {7, -5}}, {4, {0, 0}}, {5, {-20, 10}}, {8, {30, 40}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zoom);
        ViewRig rig(FixtureFonts());
        RequestSquare(rig.state);
        rig.state.options.DspCenter = false;
        rig.state.study.zoom = c.zoom;
        rig.state.study.pan = c.pan;
        ASSERT_TRUE(rig.Refresh());
        const GlyphBitmap& bitmap = rig.view.Bitmap();
        const Surface& s = rig.Picture(DisplayMode::Bitmap);
        const int z = c.zoom;
        const Point corner{200 + z * ((400 - bitmap.width) / 2 - 200) + c.pan.x,
                           150 + z * ((300 - bitmap.height) / 2 - 150) + c.pan.y};
        const int grid = z >= kGridZoom ? 1 : 0;
        int squares = 0;
        for (int y = 0; y < bitmap.height; ++y)
            for (int x = 0; x < bitmap.width; ++x) {
                const Rect square{corner.x + x * z, corner.y + y * z, corner.x + (x + 1) * z,
                                  corner.y + (y + 1) * z};
                if (square.left < 0 || square.top < 0 || square.right > 400 || square.bottom > 300)
                    continue;
                ++squares;
                int black = 0;
                for (int py = square.top; py < square.bottom; ++py)
                    for (int px = square.left; px < square.right; ++px) {
                        const bool onGrid = grid && (px == square.left || py == square.top);
                        const bool isBlack = s.PixelAt({px, py}) == kBlack;
                        ASSERT_FALSE(onGrid && isBlack) << px << "," << py;
                        black += isBlack ? 1 : 0;
                    }
                ASSERT_EQ(black, bitmap.IsInk(x, y) ? (z - grid) * (z - grid) : 0) << x << "," << y;
            }
        EXPECT_GT(squares, 500);
        // From x4 on: the grid, and the black box framed on it (here, its left side).
        const Point grid2{corner.x + 2 * z, corner.y + 3 * z / 2};
        const Point left{corner.x, corner.y + 3 * z / 2};
        if (z >= kGridZoom && Rect{0, 0, 400, 300}.Contains(grid2)) {
            EXPECT_EQ(s.PixelAt(grid2), view::kGridGrey);
            EXPECT_EQ(s.PixelAt(left), view::kBlackBoxBlue);
        }
    }
}

// The vertices of the 72-point 鬱 as the picture numbers them, with their numbers' cells.
std::vector<view::LabelRequest> UtsuLabels(ViewRig& rig) {
    const GlyphOutline& outline = rig.view.Outline();
    const Point offset = view::OutlineOffset(outline, 800, 600);
    Surface text = *Surface::Create(1, 1, PixelFormat::Rgb32);
    const ScopedFont font(rig.services.Get(), text, view::LabelFont(view::LabelSize(72), 0));
    std::vector<view::LabelRequest> labels;
    const auto e = outline.Entries();
    bool open = false;
    OutlinePoint first;
    for (std::size_t j = 0; j < e.size(); j += 3) {
        if (open && e[j] == first) {
            open = false;
            continue;
        }
        if (!open) {
            open = true;
            first = e[j];
        }
        const std::string number = std::to_string(labels.size() + 1);
        labels.push_back({{e[j].x + offset.x, e[j].y + offset.y}, font.get()->TextExtent(number)});
    }
    return labels;
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

int OverlappingPairs(const std::vector<Rect>& boxes) {
    int pairs = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            pairs += Overlap(boxes[i], boxes[j]) ? 1 : 0;
    return pairs;
}

TEST(StudyNumbers, NoTwoNumbersOfUtsuOverlapAndTheLeftOutAreCounted) {
    ViewRig rig(MakeFreeTypeFontSystem(), 800, 600);
    rig.state.request.Char = "鬱";
    rig.state.request.SjisCode = 0x9F54;
    rig.state.request.FontName = "IPAGothic";
    rig.state.request.FontSize = 72;
    rig.state.study.spreadNumbers = true;
    ASSERT_TRUE(rig.Refresh());
    const std::vector<view::LabelRequest> labels = UtsuLabels(rig);
    ASSERT_GT(labels.size(), 100u);
    std::vector<Rect> usual;
    for (const auto& l : labels)
        usual.push_back({l.at.x, l.at.y, l.at.x + l.size.cx, l.at.y + l.size.cy});
    ASSERT_GT(OverlappingPairs(usual), 20) << "the plain picture's numbers collide";

    const std::vector<view::PlacedLabel> placed = view::SpreadLabels(labels, {0, 0, 800, 600});
    std::vector<Rect> shown;
    int moved = 0;
    for (const auto& p : placed) {
        if (!p.shown)
            continue;
        shown.push_back(p.box);
        moved += p.moved ? 1 : 0;
    }
    EXPECT_EQ(OverlappingPairs(shown), 0);
    EXPECT_GT(moved, 0);
    EXPECT_EQ(rig.observer.numbersLeftOut, static_cast<int>(labels.size() - shown.size()));
    EXPECT_GT(rig.observer.numbersLeftOut, 0);
    // The picture writes each shown number where it was placed (over lines and marks, which
    // change some of its pixels).
    const Surface& s = rig.Picture(DisplayMode::Outline);
    double sum = 0;
    int checked = 0;
    for (std::size_t i = 0; i < placed.size(); i += 5) {
        if (!placed[i].shown)
            continue;
        const Surface alone = test::TextAlone(
            rig.services.Get(), 800, 600, view::LabelFont(view::LabelSize(72), 0),
            {placed[i].box.left, placed[i].box.top}, std::to_string(i + 1), Rgb(255, 0, 0));
        const double match = test::TextMatch(s, alone);
        EXPECT_GT(match, 0.3) << i + 1;
        sum += match;
        ++checked;
    }
    EXPECT_GT(sum / checked, 0.7);
}

TEST(StudyNumbers, SpotsAroundThePointFirstThenFurtherOut) {
    const Size cell{10, 8};
    // Alone, a number keeps the usual spot: its cell's top-left on the point.
    auto one =
        view::SpreadLabels(std::vector<view::LabelRequest>{{{50, 50}, cell}}, {0, 0, 99, 99});
    EXPECT_EQ(one[0].box, (Rect{50, 50, 60, 58}));
    EXPECT_FALSE(one[0].moved);
    // A second number on the same point takes the next corner; the crowd beyond the spots
    // around the point is left out.
    std::vector<view::LabelRequest> crowd(40, {{50, 50}, cell});
    const auto placed = view::SpreadLabels(crowd, {0, 0, 99, 99});
    EXPECT_EQ(placed[1].box, (Rect{50, 42, 60, 50}));
    EXPECT_FALSE(placed[1].moved);
    const auto shown = std::count_if(placed.begin(), placed.end(), [](auto& p) { return p.shown; });
    EXPECT_GT(shown, 8);
    EXPECT_LT(shown, 40);
    EXPECT_TRUE(std::any_of(placed.begin(), placed.end(), [](auto& p) { return p.moved; }));
    EXPECT_EQ(view::NearestOnBox({60, 40, 70, 48}, {50, 50}), (Point{60, 47}));
}

TEST(StudyHinting, OffFollowsTheUnhintedFontAndCompareDrawsItBeneath) {
    // IPAGothic's Latin letters carry hinting instructions.
    const auto request = [](ViewRig& rig, Hinting hinting) {
        rig.state.request.Char = "e";
        rig.state.request.SjisCode = 'e';
        rig.state.request.FontName = "IPAGothic";
        rig.state.request.FontSize = 12;
        LineOnly(rig.state.options);
        rig.state.study.zoom = 16;
        SetHinting(rig.state, hinting);
        EXPECT_TRUE(rig.Refresh());
    };
    ViewRig on(MakeFreeTypeFontSystem()), off(MakeFreeTypeFontSystem()),
        compare(MakeFreeTypeFontSystem());
    request(on, Hinting::On);
    request(off, Hinting::Off);
    request(compare, Hinting::Compare);

    // Without hinting, the bitmap and the metrics are the unhinted font's.
    const FontSpec unhintedFont = off.state.request.ToFontSpec();
    ASSERT_FALSE(unhintedFont.hinted);
    Surface surface = *Surface::Create(1, 1, PixelFormat::Rgb32);
    const ScopedFont plain(off.services.Get(), surface, unhintedFont);
    const auto gray = plain.get()->GlyphOf(GlyphKey::Char('e'), GlyphFormat::Gray17);
    const auto native = plain.get()->GlyphOf(GlyphKey::Char('e'), GlyphFormat::Native);
    ASSERT_TRUE(gray && native);
    const auto expected = MakeGlyphBitmap(gray->metrics, gray->bytes, PixelFormat::Rgb32);
    ASSERT_TRUE(expected);
    EXPECT_EQ(off.view.Bitmap().ink, expected->ink);
    EXPECT_NE(on.view.Bitmap().ink, expected->ink) << "hinting must change this glyph";
    EXPECT_EQ(off.observer.glyphMetrics.gmBlackBoxX, native->metrics.gmBlackBoxX);
    EXPECT_EQ(off.observer.glyphMetrics.gmBlackBoxY, native->metrics.gmBlackBoxY);
    EXPECT_TRUE(on.state.request.hinted && compare.state.request.hinted);

    // Compared, the hinted outline is drawn as ever and the unhinted one beneath it.
    const auto onBlack = PixelsOf(on.Picture(DisplayMode::Outline), kBlack);
    EXPECT_EQ(PixelsOf(compare.Picture(DisplayMode::Outline), kBlack), onBlack);
    EXPECT_TRUE(PixelsOf(on.Picture(DisplayMode::Outline), view::kUnhintedColour).empty());
    EXPECT_GT(PixelsOf(compare.Picture(DisplayMode::Outline), view::kUnhintedColour).size(), 50u);
    EXPECT_EQ(compare.view.Bitmap().ink, on.view.Bitmap().ink);
}

TEST(StudyZoomSteps, PowersOfTwoWithinOneToSixtyFour) {
    const struct {
        int zoom, in, out;
    } cases[] = {{1, 2, 1}, {2, 4, 1}, {3, 4, 2}, {12, 16, 8}, {32, 64, 16}, {64, 64, 32}};
    for (const auto& c : cases) {
        EXPECT_EQ(ZoomIn(c.zoom), c.in) << c.zoom;
        EXPECT_EQ(ZoomOut(c.zoom), c.out) << c.zoom;
    }
    // The point under the pointer stays: at x2 about (300, 150) of a view centred on (200, 150),
    // picture point 250 sits at 300; at x4 it must still.
    const Point pan = PanForZoom({0, 0}, {300, 150}, {200, 150}, 2, 4);
    EXPECT_EQ(pan, (Point{-100, 0}));
    EXPECT_EQ(200 + 4 * (250 - 200) + pan.x, 300);
    // Fit: the largest zoom at which the glyph and a margin for the labels fit.
    EXPECT_EQ(FitZoom({16, 16}, 800, 600), 32);
    EXPECT_EQ(FitZoom({400, 300}, 800, 600), 1);
    EXPECT_EQ(FitZoom({1, 1}, 800, 600), 64);
    EXPECT_EQ(FitZoom({0, 0}, 10, 10), 1);
}

} // namespace
} // namespace lumina
