// The glyph view's pictures, checked by their pixels.
#include "glyph/bitmap.h"
#include "glyph/glyph_view.h"
#include "glyph/outline.h"
#include "glyph/view_drawing.h"
#include "glyph/view_marks.h"
#include "glyph/view_overlays.h"
#include "tests/glyph/view_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace lumina {
namespace {

using test::FixtureFonts;
using test::IsWhite;
using test::TextMatch;
using test::ViewRig;

constexpr COLORREF kRed = Rgb(255, 0, 0);
constexpr COLORREF kBlue = Rgb(0, 0, 255);
constexpr COLORREF kBaseLineColour = Rgb(128, 64, 64);

// The fixture's square "A" at 60 points: an em of 80 pixels, ascent 72, advance 64.
void RequestFixtureA(GlyphViewState& state, int angle = 0) {
    state.request.Char = "A";
    state.request.SjisCode = 65;
    state.request.FontName = "Lumina Test";
    state.request.FontSize = 60;
    state.request.FontDeg = angle;
}

int CountColour(const Surface& s, COLORREF colour, const Rect& area) {
    int n = 0;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, s.Height()); ++y)
        for (int x = std::max(area.left, 0); x < std::min(area.right, s.Width()); ++x)
            n += s.PixelAt({x, y}) == colour ? 1 : 0;
    return n;
}

// Whether c is colour drawn over white with a coverage clear enough to tell (text is smoothed).
bool BlendOfWhiteAnd(COLORREF c, COLORREF colour) {
    const int d[3] = {255 - RedOf(c), 255 - GreenOf(c), 255 - BlueOf(c)};
    const int full[3] = {255 - RedOf(colour), 255 - GreenOf(colour), 255 - BlueOf(colour)};
    const int sum = d[0] + d[1] + d[2];
    const int fullSum = full[0] + full[1] + full[2];
    if (sum < 24 || fullSum == 0)
        return false;
    // Each channel falls from white by the same share of the colour's own fall.
    for (int i = 0; i < 3; ++i)
        if (std::abs(d[i] * fullSum - full[i] * sum) > 3 * fullSum)
            return false;
    return true;
}

int CountBlends(const Surface& s, COLORREF colour, const Rect& area) {
    int n = 0;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, s.Height()); ++y)
        for (int x = std::max(area.left, 0); x < std::min(area.right, s.Width()); ++x)
            n += BlendOfWhiteAnd(s.PixelAt({x, y}), colour) ? 1 : 0;
    return n;
}

TEST(GlyphViewCentreLines, DottedRedThroughTheMiddleOfEveryPicture) {
    ViewRig rig(FixtureFonts());
    RequestFixtureA(rig.state);
    ASSERT_TRUE(rig.Refresh());
    for (const DisplayMode mode :
         {DisplayMode::Outline, DisplayMode::Bitmap, DisplayMode::Drawing}) {
        SCOPED_TRACE(static_cast<int>(mode));
        const Surface& s = rig.Picture(mode);
        for (int i = 0; i < 20; ++i) {
            // A dotted pen inks every other pixel, starting with the first.
            EXPECT_EQ(s.PixelAt({i, 150}), i % 2 == 0 ? kRed : Rgb(255, 255, 255)) << "x " << i;
            EXPECT_EQ(s.PixelAt({200, i}), i % 2 == 0 ? kRed : Rgb(255, 255, 255)) << "y " << i;
        }
    }
}

TEST(GlyphViewCentreLines, SwitchedOffTheyGoAndNothingElseChanges) {
    ViewRig on(FixtureFonts());
    ViewRig off(FixtureFonts());
    RequestFixtureA(on.state);
    RequestFixtureA(off.state);
    off.state.options.DspCenter = false;
    ASSERT_TRUE(on.Refresh());
    ASSERT_TRUE(off.Refresh());
    for (const DisplayMode mode :
         {DisplayMode::Outline, DisplayMode::Bitmap, DisplayMode::Drawing}) {
        SCOPED_TRACE(static_cast<int>(mode));
        const Surface& a = on.Picture(mode);
        const Surface& b = off.Picture(mode);
        int differing = 0;
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x) {
                if (a.PixelAt({x, y}) == b.PixelAt({x, y}))
                    continue;
                ++differing;
                ASSERT_TRUE(x == 200 || y == 150)
                    << "differs off the centre lines at " << x << "," << y;
            }
        EXPECT_GT(differing, 200);
        EXPECT_EQ(CountColour(b, kRed, {0, 150, 400, 151}), 0);
    }
}

// The vertices as the outline picture draws them: the vertex entries without the closing ones,
// moved so that the bounds are centred on the 400 x 300 view.
std::vector<Point> DrawnVertices(const GlyphOutline& outline) {
    const Rect bounds = outline.bounds.value_or(Rect{});
    const Point offset{200 - (bounds.left + bounds.right) / 2,
                       150 - (bounds.top + bounds.bottom) / 2};
    std::vector<Point> vertices;
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
        vertices.push_back({e[j].x + offset.x, e[j].y + offset.y});
    }
    return vertices;
}

std::unique_ptr<ViewRig> SquareAndTriangleRig(bool dspPos) {
    auto rig = std::make_unique<ViewRig>(
        std::make_unique<test::GivenOutlineFontSystem>(test::SquareAndTriangle()));
    RequestFixtureA(rig->state);
    rig->state.request.FontName = test::kGivenOutlineFace;
    rig->state.request.FontSize = 1000; // labels of 16 points
    rig->state.options.DspPos = dspPos;
    rig->state.options.DspCenter = false;
    EXPECT_TRUE(rig->Refresh());
    return rig;
}

TEST(GlyphViewNumbers, TwoBlocksOfFourAndThreeShowOneToSevenAndCountSevenOfTwo) {
    const auto with = SquareAndTriangleRig(true);
    const auto without = SquareAndTriangleRig(false);
    for (const auto* rig : {with.get(), without.get()}) {
        SCOPED_TRACE(rig->state.options.DspPos);
        EXPECT_EQ(rig->observer.counts, "7(2)");
        const std::vector<Point> vertices = DrawnVertices(rig->view.Outline());
        ASSERT_EQ(vertices.size(), 7u);
        for (std::size_t k = 0; k < vertices.size(); ++k) {
            SCOPED_TRACE(k + 1);
            const auto alone = [&](int number) {
                return test::TextAlone(rig->services.Get(), 400, 300, view::LabelFont(16, 0),
                                       vertices[k], std::to_string(number), kRed);
            };
            const Surface& picture = rig->Picture(DisplayMode::Outline);
            EXPECT_GT(TextMatch(picture, alone(static_cast<int>(k) + 1)), 0.7);
            EXPECT_LT(TextMatch(picture, alone(static_cast<int>(k) + 2)), 0.7);
        }
    }
    // The markers are all the two pictures differ in: a small circle about each vertex.
    const std::vector<Point> vertices = DrawnVertices(with->view.Outline());
    std::vector<int> perVertex(vertices.size(), 0);
    const Surface& a = with->Picture(DisplayMode::Outline);
    const Surface& b = without->Picture(DisplayMode::Outline);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) {
            if (a.PixelAt({x, y}) == b.PixelAt({x, y}))
                continue;
            const auto near = std::find_if(vertices.begin(), vertices.end(), [&](Point p) {
                return std::abs(x - p.x) <= 3 && std::abs(y - p.y) <= 3;
            });
            ASSERT_NE(near, vertices.end()) << x << "," << y;
            ++perVertex[static_cast<std::size_t>(near - vertices.begin())];
        }
    for (std::size_t k = 0; k < vertices.size(); ++k)
        EXPECT_GE(perVertex[k], 4) << k + 1;
}

TEST(GlyphViewNumbers, SwitchedOffNoRedIsLeft) {
    ViewRig rig(std::make_unique<test::GivenOutlineFontSystem>(test::SquareAndTriangle()));
    RequestFixtureA(rig.state);
    rig.state.request.FontName = test::kGivenOutlineFace;
    rig.state.options.DspNo = false;
    rig.state.options.DspCenter = false;
    ASSERT_TRUE(rig.Refresh());
    EXPECT_EQ(rig.observer.counts, "7(2)");
    const Surface& s = rig.Picture(DisplayMode::Outline);
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            const COLORREF c = s.PixelAt({x, y});
            ASSERT_FALSE(RedOf(c) > 128 && GreenOf(c) < 128 && BlueOf(c) < 128)
                << "reddish at " << x << "," << y;
        }
}

// Where the character alone inks the drawing surface (its ink bounds).
Rect InkOfCharacterAlone(ViewRig& rig) {
    Surface alone = *Surface::Create(400, 300, PixelFormat::Rgb32);
    const ScopedFont font(rig.services.Get(), alone, rig.state.request.ToFontSpec());
    alone.SetTextColour(Rgb(128, 144, 192));
    alone.TextOutCode({rig.state.OrgX, rig.state.OrgY}, 65);
    const auto ink = MeasureInkBounds(alone);
    return ink.value_or(Rect{});
}

TEST(GlyphViewBlackBox, FramedInBlueAroundTheInkInTheDrawing) {
    for (const int angle : {0, 30}) {
        SCOPED_TRACE(angle);
        ViewRig rig(FixtureFonts());
        RequestFixtureA(rig.state, angle);
        rig.state.options.DspDrawOrg = false;
        rig.state.options.DspGlyphOrg = false;
        ASSERT_TRUE(rig.Refresh());
        const Rect ink = InkOfCharacterAlone(rig);
        ASSERT_LT(ink.left, ink.right);
        const Surface& s = rig.Picture(DisplayMode::Drawing);
        // The frame of the bounds grown by one: outside the ink on the left and top, on its
        // last column and row on the right and bottom.
        // Later marks (dotted legs, labels) may cross it, so half of each side is enough.
        const int height = ink.bottom - ink.top + 2, width = ink.right - ink.left + 2;
        EXPECT_GE(CountColour(s, kBlue, {ink.left - 1, ink.top - 1, ink.left, ink.bottom + 1}),
                  height * 2 / 5);
        EXPECT_GE(CountColour(s, kBlue, {ink.right, ink.top - 1, ink.right + 1, ink.bottom + 1}),
                  height * 2 / 5);
        EXPECT_GE(CountColour(s, kBlue, {ink.left - 1, ink.top - 1, ink.right + 1, ink.top}),
                  width * 2 / 5);
        EXPECT_GE(CountColour(s, kBlue, {ink.left - 1, ink.bottom, ink.right + 1, ink.bottom + 1}),
                  width * 2 / 5);
        // Nothing of the frame one pixel further out.
        EXPECT_EQ(CountColour(s, kBlue, {ink.left - 2, ink.top - 2, ink.left - 1, ink.bottom + 2}),
                  0);
        EXPECT_EQ(
            CountColour(s, kBlue, {ink.left - 2, ink.bottom + 1, ink.right + 2, ink.bottom + 2}),
            0);
        // No tint of the character outside the frame.
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x) {
                const COLORREF c = s.PixelAt({x, y});
                if (IsWhite(c) || !BlendOfWhiteAnd(c, Rgb(128, 144, 192)))
                    continue;
                ASSERT_TRUE(x >= ink.left && x <= ink.right && y >= ink.top && y <= ink.bottom)
                    << x << "," << y;
            }
    }
}

TEST(GlyphViewBlackBox, FramedInBlueAroundTheOutline) {
    ViewRig rig(FixtureFonts());
    RequestFixtureA(rig.state);
    ASSERT_TRUE(rig.Refresh());
    const Surface& s = rig.Picture(DisplayMode::Outline);
    Rect black{400, 300, -1, -1};
    Rect blue{400, 300, -1, -1};
    const auto grow = [](Rect& r, int x, int y) {
        r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x), std::max(r.bottom, y)};
    };
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            if (s.PixelAt({x, y}) == Rgb(0, 0, 0))
                grow(black, x, y);
            if (s.PixelAt({x, y}) == kBlue)
                grow(blue, x, y);
        }
    ASSERT_LE(blue.left, blue.right);
    // The square's 48-pixel outline, centred, with its frame on the bounds.
    EXPECT_EQ(blue.right - blue.left, 47);
    EXPECT_GE(black.left, blue.left - 3);
    EXPECT_LE(black.right, blue.right + 3);
    EXPECT_EQ((blue.left + blue.right + 1) / 2, 200);
}

TEST(GlyphViewBaseLine, HorizontalAtZeroDegrees) {
    ViewRig rig(FixtureFonts());
    RequestFixtureA(rig.state, 0);
    ASSERT_TRUE(rig.Refresh());
    const int ascent = rig.state.request.tmAscent;
    const int advance = rig.view.Metrics().gmCellIncX;
    ASSERT_EQ(ascent, 72);
    ASSERT_EQ(advance, 64);
    const Surface& s = rig.Picture(DisplayMode::Drawing);
    const int y = 150 + ascent;
    EXPECT_GE(CountColour(s, kBaseLineColour, {200, y, 200 + advance, y + 1}), advance / 4);
    EXPECT_EQ(CountColour(s, kBaseLineColour, {200, y - 1, 200 + advance, y}), 0);
    EXPECT_EQ(CountColour(s, kBaseLineColour, {150, 0, 200, y}), 0);
}

TEST(GlyphViewBaseLine, UpwardAtNinetyDegrees) {
    ViewRig rig(FixtureFonts());
    RequestFixtureA(rig.state, 90);
    ASSERT_TRUE(rig.Refresh());
    const int ascent = rig.state.request.tmAscent;
    const Surface& s = rig.Picture(DisplayMode::Drawing);
    const int x = 200 + ascent;
    // From the base-line origin up by the advance.
    EXPECT_GE(CountColour(s, kBaseLineColour, {x, 150 - 64, x + 1, 151}), 64 / 4);
    EXPECT_EQ(CountColour(s, kBaseLineColour, {x, 151, x + 1, 300}), 0);
    EXPECT_EQ(CountColour(s, kBaseLineColour, {x - 1, 0, x, 300}), 0);
    EXPECT_LT(rig.view.Metrics().gmCellIncY, -60);
}

TEST(GlyphViewBlackBox, HeightLabelLeftOutWhenTheFrameLeavesTheView) {
    const auto drawing = [](int orgX, bool dspBlackBoxY) {
        auto rig = std::make_unique<ViewRig>(FixtureFonts());
        RequestFixtureA(rig->state);
        rig->state.OrgX = orgX;
        rig->state.options.DspBlackBoxY = dspBlackBoxY;
        EXPECT_TRUE(rig->Refresh());
        return rig;
    };
    const auto same = [](const Surface& a, const Surface& b) {
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                if (a.PixelAt({x, y}) != b.PixelAt({x, y}))
                    return false;
        return true;
    };
    EXPECT_FALSE(same(drawing(150, true)->Picture(DisplayMode::Drawing),
                      drawing(150, false)->Picture(DisplayMode::Drawing)));
    // At 390 the ink runs to the view's last column, so the frame's right side is off the view.
    EXPECT_TRUE(same(drawing(390, true)->Picture(DisplayMode::Drawing),
                     drawing(390, false)->Picture(DisplayMode::Drawing)));
}

TEST(GlyphViewRefresh, AFailedOutlineStillDrawsTheDrawingAndReportsNoCounts) {
    ViewRig rig(FixtureFonts());
    RequestFixtureA(rig.state);
    rig.state.request.Char = " ";
    rig.state.request.SjisCode = 32;
    EXPECT_FALSE(rig.Refresh());
    EXPECT_EQ(rig.ProblemTexts(), std::vector<std::string>{"描画する折点がありません"});
    EXPECT_EQ(rig.observer.counts, "");
    EXPECT_FALSE(rig.observer.hasGlyphMetrics);
    EXPECT_EQ(rig.observer.textMetrics.tmAscent, 72);
    EXPECT_EQ(rig.view.OutlinePointCount(), 0);
    const Surface& outline = rig.Picture(DisplayMode::Outline);
    EXPECT_EQ(CountColour(outline, Rgb(255, 255, 255), outline.Bounds()), 400 * 300);
    // The drawing origin's marker and the cell are there all the same.
    EXPECT_GT(
        CountColour(rig.Picture(DisplayMode::Drawing), Rgb(0, 160, 224), {190, 140, 211, 161}), 50);
    EXPECT_EQ(rig.observer.inkRatio, "0%");
}

TEST(GlyphViewRefresh, ReportsCountsAndInkRatio) {
    ViewRig rig(FixtureFonts());
    RequestFixtureA(rig.state);
    ASSERT_TRUE(rig.Refresh());
    EXPECT_EQ(rig.observer.counts, "4(1)");
    // A 48 x 48 square over (72 + 20) x 64: 2304 * 100 / 5888.
    EXPECT_EQ(rig.view.BlackPixelCount(), 48 * 48);
    EXPECT_EQ(rig.observer.inkRatio, "39%");
    EXPECT_TRUE(rig.observer.hasGlyphMetrics);
}

TEST(GlyphViewDial, RadiusHundredGivesNinetyEightDotsEndingInTheirLastColour) {
    ViewRig rig(FixtureFonts());
    rig.state.RoundR = 100;
    Surface paint = *Surface::Create(440, 340, PixelFormat::Rgb32);
    const Rect viewRect{20, 20, 420, 320};
    rig.view.Paint(paint, viewRect, rig.state);
    const Point c{220, 170};
    const auto dot = [&](int i) {
        const double t = (i + 1) / 100.0 * 6.283185307;
        return Point{c.x + static_cast<int>(100 * std::cos(t)),
                     c.y + static_cast<int>(100 * std::sin(t))};
    };
    for (int i = 1; i <= 98; ++i)
        EXPECT_EQ(paint.PixelAt(dot(i - 1)), view::DialColour(i)) << i;
    EXPECT_EQ(paint.PixelAt(dot(97)), Rgb(255, 196, 98));
    // No 99th dot: the gap before the rightmost point (where the label is).
    for (int i = 1; i <= 255; ++i)
        EXPECT_NE(paint.PixelAt(dot(98)), view::DialColour(i)) << i;
    // The radius as the label, beside the circle's rightmost point.
    EXPECT_GT(CountBlends(paint, Rgb(224, 85, 78), {c.x + 80, c.y - 24, c.x + 120, c.y + 16}), 10);
    EXPECT_EQ(CountBlends(paint, Rgb(224, 85, 78), {c.x - 120, c.y - 24, c.x + 60, c.y + 16}), 0);
}

TEST(GlyphViewMeasure, LabelIsTheDistance) {
    ViewRig rig(FixtureFonts());
    rig.state.RoundR = 30;
    // The segment (10, 10) - (13, 14), moved right and down so that its label is on the surface.
    rig.state.measure1 = {60, 60};
    rig.state.measure2 = {63, 64};
    Surface paint = *Surface::Create(400, 300, PixelFormat::Rgb32);
    rig.view.Paint(paint, {0, 0, 400, 300}, rig.state);
    const Point m{61, 62};
    const auto expected = [&](const std::string& text) {
        Surface s = *Surface::Create(400, 300, PixelFormat::Rgb32);
        const ScopedFont font(rig.services.Get(), s, view::LabelFont(8, 0));
        s.SetTextColour(Rgb(32, 64, 32));
        s.DrawTextInRect({m.x - 30, m.y - 10, m.x + 30, m.y + 10}, text, kAlignLeft | kAlignBottom);
        return s;
    };
    EXPECT_GT(TextMatch(paint, expected("5")), 0.9);
    EXPECT_LT(TextMatch(paint, expected("4")), 0.9);
}

TEST(GlyphViewMeasure, OnlyTheFirstPointIsASmallCircle) {
    ViewRig rig(FixtureFonts());
    rig.state.RoundR = 30;
    Surface without = *Surface::Create(400, 300, PixelFormat::Rgb32);
    rig.view.Paint(without, {0, 0, 400, 300}, rig.state);
    rig.state.measure1 = {60, 60};
    Surface with = *Surface::Create(400, 300, PixelFormat::Rgb32);
    rig.view.Paint(with, {0, 0, 400, 300}, rig.state);
    int differing = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            if (with.PixelAt({x, y}) != without.PixelAt({x, y})) {
                ++differing;
                EXPECT_TRUE(std::abs(x - 60) <= 3 && std::abs(y - 60) <= 3) << x << "," << y;
            }
    EXPECT_GT(differing, 8);
}

TEST(GlyphViewPaint, CopiesTheSurfaceOfTheMode) {
    ViewRig rig(FixtureFonts());
    RequestFixtureA(rig.state);
    ASSERT_TRUE(rig.Refresh());
    rig.state.RoundR = 30;
    for (const DisplayMode mode :
         {DisplayMode::Outline, DisplayMode::Bitmap, DisplayMode::Drawing}) {
        SCOPED_TRACE(static_cast<int>(mode));
        rig.state.mode = mode;
        Surface paint = *Surface::Create(420, 320, PixelFormat::Rgb32);
        rig.view.Paint(paint, {10, 10, 410, 310}, rig.state);
        const Surface& source = rig.Picture(mode);
        int differing = 0;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 400; ++x)
                differing += paint.PixelAt({x + 10, y + 10}) != source.PixelAt({x, y}) ? 1 : 0;
        // Only the dial's dots (28 of about 21 pixels) and its label differ.
        EXPECT_LT(differing, 28 * 21 + 200);
    }
}

TEST(GlyphViewGeometry, TurningKeepsItsTruncations) {
    const Point O{200, 150};
    EXPECT_EQ(view::Rotate({200, 222}, O, 0), (Point{200, 222}));
    EXPECT_EQ(view::Rotate({200, 222}, O, 90), (Point{272, 150}));
    EXPECT_EQ(view::Rotate({200, 222}, O, 180), (Point{200, 78}));
    // 30 degrees: 72 * (cos 60, sin 60) = (36.0, 62.35), both truncated.
    EXPECT_EQ(view::Rotate({200, 222}, O, 30), (Point{236, 212}));
    EXPECT_EQ(view::FortyPercent({0, 0}, {64, -64}), (Point{25, -25}));
    EXPECT_EQ(view::LabelSize(300), 9);
    EXPECT_EQ(view::LabelSize(1000), 16);
    EXPECT_EQ(view::LabelSize(99), 6);
}

TEST(GlyphViewRefresh, SixteenBitSurfacesAreClearedAndDrawnAlike) {
    test::TestServices services(test::FixtureFonts());
    services.Get().displayFormat = PixelFormat::Rgb16;
    RecordingGlyphObserver observer;
    GlyphView view(services.Get(), observer);
    ASSERT_TRUE(view.MakeSurfaces(400, 300));
    GlyphViewState state;
    RequestFixtureA(state);
    state.OrgX = 200;
    state.OrgY = 150;
    ASSERT_TRUE(view.RefreshGlyphView(state).ok);
    EXPECT_EQ(observer.counts, "4(1)");
    EXPECT_EQ(observer.inkRatio, "39%");
    for (const DisplayMode mode :
         {DisplayMode::Outline, DisplayMode::Bitmap, DisplayMode::Drawing}) {
        const Surface& s = *view.SurfaceOf(mode);
        EXPECT_EQ(s.Format(), PixelFormat::Rgb16);
        EXPECT_EQ(s.PixelAt({0, 150}), kRed);
        EXPECT_TRUE(IsWhite(s.PixelAt({1, 150})));
        EXPECT_TRUE(IsWhite(s.PixelAt({5, 5})));
    }
}

TEST(GlyphViewRefresh, AFailedBitmapKeepsTheOutlinePictureAndTheCountsButNotTheBitmapPicture) {
    // The given outline for a space, which has no pixels: the outline is there, the bitmap not.
    ViewRig rig(std::make_unique<test::GivenOutlineFontSystem>(test::SquareAndTriangle()));
    RequestFixtureA(rig.state);
    rig.state.request.FontName = test::kGivenOutlineFace;
    rig.state.request.Char = " ";
    rig.state.request.SjisCode = 32;
    EXPECT_FALSE(rig.Refresh());
    EXPECT_EQ(rig.ProblemTexts(), std::vector<std::string>{"ビットマップを取得できません"});
    EXPECT_EQ(rig.outcome.problems.at(0).icon, MsgIcon::Information);
    EXPECT_EQ(rig.observer.counts, "7(2)");
    EXPECT_GT(CountColour(rig.Picture(DisplayMode::Outline), Rgb(0, 0, 0), {0, 0, 400, 300}), 100);
    const Surface& bitmap = rig.Picture(DisplayMode::Bitmap);
    EXPECT_EQ(CountColour(bitmap, Rgb(255, 255, 255), bitmap.Bounds()), 400 * 300);
    EXPECT_GT(
        CountColour(rig.Picture(DisplayMode::Drawing), Rgb(0, 160, 224), {190, 140, 211, 161}), 50);
}

} // namespace
} // namespace lumina
