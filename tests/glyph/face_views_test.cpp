// The typesetting switches: the frames against the fixture's own tables, the glyph of vertical
// text on its vertical origin, and the second face aligned on the first.
#include "glyph/bitmap.h"
#include "glyph/face_views.h"
#include "glyph/glyph_view.h"
#include "glyph/view_drawing.h"
#include "glyph/view_faces.h"
#include "platform/char_info.h"
#include "tests/glyph/view_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

namespace lumina {
namespace {

using test::ViewFixtureFont;
using test::ViewRig;

constexpr int W = 800;
constexpr int H = 600;
// The legend sits in the bottom-left corner; checks of the glyph's pixels leave it out.
bool InLegend(int x, int y) {
    return x < 380 && y > H - 160;
}

std::unique_ptr<FontSystem> Fixtures() {
    return MakeFreeTypeFontSystem({ViewFixtureFont("LuminaTestVert.ttf"),
                                   ViewFixtureFont("LuminaTest.ttf"),
                                   ViewFixtureFont("LuminaTestCFF.otf")});
}

// A character of a face at an em of 100 pixels (75 points), the labels off.
void Request(GlyphViewState& state, const char* face, const char* text) {
    state.request.SelectCharacter(*ParseCharacter(text));
    state.request.FontName = face;
    state.request.FontSize = 75;
    for (const auto& sw : ViewOptions::Switches())
        state.options.*sw.member = false;
}

// Rows where a colour appears between x0 and x1 (exclusive).
std::set<int> RowsOf(const Surface& s, COLORREF colour, int x0, int x1) {
    std::set<int> rows;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = x0 + 1; x < x1; ++x)
            if (s.PixelAt({x, y}) == colour)
                rows.insert(y);
    return rows;
}

int CountOf(const Surface& s, COLORREF colour) {
    int n = 0;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            n += !InLegend(x, y) && s.PixelAt({x, y}) == colour ? 1 : 0;
    return n;
}

std::optional<Rect> BoundsOf(const Surface& s, COLORREF colour) {
    std::optional<Rect> r;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            if (InLegend(x, y) || s.PixelAt({x, y}) != colour)
                continue;
            if (!r)
                r = Rect{x, y, x, y};
            r = Rect{std::min(r->left, x), std::min(r->top, y), std::max(r->right, x),
                     std::max(r->bottom, y)};
        }
    return r;
}

struct TablesCase {
    const char* face;
    std::vector<FrameLine> lines;
    std::optional<FaceBox> faceBox;
    std::vector<std::string> legend;
};

TEST(FaceFrames, LinesBoxAndLegendFollowTheFaceTables) {
    using K = FrameLineKind;
    const TablesCase cases[] = {
        // hhea 900 -150, typo 880 -120, win 950 160; BASE hani ideo -120, icfb -80, icft 840.
        {"Lumina Test Vert",
         {{"hheaAscender", 90, K::Hhea},
          {"hheaDescender", -15, K::Hhea},
          {"typoAscender", 88, K::Typo},
          {"typoDescender", -12, K::Typo},
          {"winAscent", 95, K::Win},
          {"winDescent", -16, K::Win}},
         FaceBox{4, -8, 96, 84},
         {"仮想ボディ：BASE ideo から", "平均字面：BASE icfb / icft から"}},
        // No BASE: the em box stands on the typo descender, the face box is left out.
        {"Lumina Test",
         {{"hheaAscender", 85, K::Hhea},
          {"hheaDescender", -25, K::Hhea},
          {"typoAscender", 80, K::Typo},
          {"typoDescender", -20, K::Typo},
          {"winAscent", 90, K::Win},
          {"winDescent", -25, K::Win}},
         std::nullopt,
         {"仮想ボディ：BASE がないため OS/2 typoDescender から導出",
          "平均字面：BASE icfb / icft がないため省略"}},
    };
    const auto fonts = Fixtures();
    for (const TablesCase& c : cases) {
        SCOPED_TRACE(c.face);
        const auto font = fonts->CreateFont({c.face, -100});
        ASSERT_NE(font, nullptr);
        const FaceTables tables = font->Tables();
        EXPECT_EQ(FrameLines(tables), c.lines);
        EXPECT_EQ(CharacterFaceBox(tables), c.faceBox);
        EXPECT_EQ(FrameLegend(tables), c.legend);
    }
}

TEST(FaceFrames, EachLineIsDrawnAtItsTableValueAcrossTheEmBox) {
    for (const char* face : {"Lumina Test Vert", "Lumina Test"}) {
        SCOPED_TRACE(face);
        ViewRig rig(Fixtures(), W, H);
        Request(rig.state, face, face[11] ? "漢" : "A");
        rig.state.faces.frames = true;
        rig.Refresh();
        const Surface& s = rig.Picture(DisplayMode::Drawing);
        const int x0 = rig.state.OrgX, baseY = rig.state.OrgY + rig.observer.textMetrics.tmAscent;
        const auto font = rig.services.Get().fonts.CreateFont({face, -100});
        const FaceTables tables = font->Tables();
        for (const FrameLineKind kind :
             {FrameLineKind::Hhea, FrameLineKind::Typo, FrameLineKind::Win}) {
            std::set<int> expected;
            for (const FrameLine& line : FrameLines(tables))
                if (line.kind == kind)
                    expected.insert(baseY - line.y);
            EXPECT_EQ(RowsOf(s, view::FrameLineColour(kind), x0, x0 + 100), expected)
                << static_cast<int>(kind);
        }
        const EmBox em = tables.IdeographicEmBox();
        const std::set<int> emRows = RowsOf(s, view::kEmBoxColour, x0 + 1, x0 + 99);
        EXPECT_TRUE(emRows.count(baseY - em.bottom) && emRows.count(baseY - em.top));
        const std::optional<FaceBox> box = CharacterFaceBox(tables);
        EXPECT_EQ(CountOf(s, view::kFaceBoxColour) > 0, box.has_value());
        if (box) {
            EXPECT_TRUE(RowsOf(s, view::kFaceBoxColour, x0 + box->left, x0 + box->right)
                            .count(baseY - box->top));
        }
    }
}

// The glyph vertical text gives, shown in all three pictures: the outline's and the bitmap's
// metrics are the vertical form's, and the drawing hangs it from the drawing origin.
struct VerticalCase {
    const char* what;
    const char* face;
    const char* text;
};

class VerticalView : public ::testing::TestWithParam<VerticalCase> {};

TEST_P(VerticalView, ShowsTheVerticalFormOnTheVerticalOrigin) {
    const VerticalCase& c = GetParam();
    const bool fixture = std::string(c.face).starts_with("Lumina");
    ViewRig rig(fixture ? Fixtures() : MakeFreeTypeFontSystem(), W, H);
    Request(rig.state, c.face, c.text);
    rig.state.faces.vertical = true;
    ASSERT_TRUE(rig.Refresh());
    const auto font =
        rig.services.Get().fonts.CreateFont(MakeLogicalFont(rig.state.request.ToFontSpec(), 96));
    const GlyphKey key = *rig.state.request.Key();
    const std::optional<VerticalGlyph> v = font->Vertical(key);
    ASSERT_TRUE(v.has_value());
    EXPECT_TRUE(v->substituted);
    const GlyphMetrics across = font->GlyphOf(key, GlyphFormat::Native)->metrics;
    const GlyphMetrics down =
        font->GlyphOf(GlyphKey::Index(v->glyphIndex), GlyphFormat::Native)->metrics;
    const GlyphMetrics& shown = rig.view.Metrics();
    EXPECT_EQ(shown.gmBlackBoxX, down.gmBlackBoxX);
    EXPECT_EQ(shown.gmBlackBoxY, down.gmBlackBoxY);
    EXPECT_EQ(shown.gmptGlyphOrigin, down.gmptGlyphOrigin);
    EXPECT_NE(std::pair(across.gmBlackBoxX, across.gmptGlyphOrigin),
              std::pair(down.gmBlackBoxX, down.gmptGlyphOrigin));
    EXPECT_EQ(rig.view.Bitmap().metrics.gmBlackBoxY, down.gmBlackBoxY);

    // The ink hangs from the origin: its black box where the glyph's origin puts it.
    const Point O{rig.state.OrgX, rig.state.OrgY};
    const std::optional<Rect> ink =
        BoundsOf(rig.Picture(DisplayMode::Drawing), view::kDrawnCharacter);
    ASSERT_TRUE(ink.has_value());
    const int left = O.x - v->origin.x + down.gmptGlyphOrigin.x;
    const int top = O.y + v->origin.y - down.gmptGlyphOrigin.y;
    EXPECT_NEAR(ink->left, left, 1);
    EXPECT_NEAR(ink->top, top, 1);
    EXPECT_GE(ink->top, O.y - 1);
    EXPECT_LE(ink->bottom, O.y + v->advance);
}

INSTANTIATE_TEST_SUITE_P(Faces, VerticalView,
                         ::testing::Values(VerticalCase{"FixtureBar", "Lumina Test Vert", "ー"},
                                           VerticalCase{"FixtureBracket", "Lumina Test Vert", "「"},
                                           VerticalCase{"IpaBar", "IPAGothic", "ー"},
                                           VerticalCase{"IpaBracket", "IPAGothic", "「"},
                                           VerticalCase{"IpaParenthesis", "IPAGothic", "（"},
                                           VerticalCase{"IpaSmallA", "IPAGothic", "ぁ"},
                                           VerticalCase{"IpaWave", "IPAGothic", "〜"}),
                         [](const auto& info) { return std::string(info.param.what); });

// Turned with the text, the vertical column runs along the turned axis: at a quarter turn the
// vertical advance goes to the right of the origin, the glyph still the vertical form.
TEST(VerticalView, TheColumnTurnsWithTheText) {
    for (const int angle : {0, 90, 180, 270}) {
        SCOPED_TRACE(angle);
        ViewRig rig(Fixtures(), W, H);
        Request(rig.state, "Lumina Test Vert", "ー");
        rig.state.request.FontDeg = angle;
        rig.state.faces.vertical = true;
        ASSERT_TRUE(rig.Refresh());
        const auto font = rig.services.Get().fonts.CreateFont(
            MakeLogicalFont(rig.state.request.ToFontSpec(), 96));
        const std::optional<VerticalGlyph> v = font->Vertical(*rig.state.request.Key());
        ASSERT_TRUE(v.has_value());
        const std::optional<Rect> ink =
            BoundsOf(rig.Picture(DisplayMode::Drawing), view::kDrawnCharacter);
        ASSERT_TRUE(ink.has_value());
        const Point O{rig.state.OrgX, rig.state.OrgY};
        // The ink's extent from the origin along the turned downward direction.
        const auto [from, to] = [&] {
            switch (angle) {
            case 90:
                return std::pair{ink->left - O.x, ink->right - O.x};
            case 180:
                return std::pair{O.y - ink->bottom, O.y - ink->top};
            case 270:
                return std::pair{O.x - ink->right, O.x - ink->left};
            default:
                return std::pair{ink->top - O.y, ink->bottom - O.y};
            }
        }();
        EXPECT_GE(from, -1);
        EXPECT_LE(to, v->advance + 1);
    }
}

TEST(VerticalView, AnIdeographKeepsItsGlyphAndTheSwitchOffDrawsAsBefore) {
    ViewRig plain(Fixtures(), W, H);
    ViewRig vertical(Fixtures(), W, H);
    for (ViewRig* rig : {&plain, &vertical}) {
        Request(rig->state, "Lumina Test Vert", "漢");
        ASSERT_TRUE(rig->Refresh());
    }
    vertical.state.faces.vertical = true;
    ASSERT_TRUE(vertical.Refresh());
    EXPECT_EQ(vertical.view.Metrics().gmBlackBoxX, plain.view.Metrics().gmBlackBoxX);
    EXPECT_EQ(vertical.view.Metrics().gmBlackBoxY, plain.view.Metrics().gmBlackBoxY);
    vertical.state.faces.vertical = false;
    ASSERT_TRUE(vertical.Refresh());
    for (const DisplayMode mode : {DisplayMode::Outline, DisplayMode::Bitmap, DisplayMode::Drawing})
        EXPECT_EQ(vertical.Picture(mode).Image(), plain.Picture(mode).Image());
}

// A face compared with itself lies exactly under itself: no pixel of the second colour is left
// in sight, in the outline and the bitmap, across and down, at x1 and zoomed in.
TEST(CompareFace, TheSameFaceCoversItselfExactly) {
    for (const auto& [down, zoom] : {std::pair{false, 1}, {true, 1}, {false, 8}, {true, 8}}) {
        SCOPED_TRACE(testing::Message() << "down " << down << " zoom " << zoom);
        ViewRig rig(Fixtures(), W, H);
        Request(rig.state, "Lumina Test Vert", "ー");
        rig.state.faces = {true, {"Lumina Test Vert", false, false}, false, down};
        rig.state.study.zoom = zoom;
        ASSERT_TRUE(rig.Refresh());
        EXPECT_EQ(CountOf(rig.Picture(DisplayMode::Outline), view::kCompareColour), 0);
        EXPECT_EQ(CountOf(rig.Picture(DisplayMode::Bitmap), view::kCompareColour), 0);
        EXPECT_EQ(CountOf(rig.Picture(DisplayMode::Bitmap), Rgb(0, 0, 0)), 0);
        EXPECT_GT(CountOf(rig.Picture(DisplayMode::Bitmap), view::kCompareOverlap), 0);
    }
}

TEST(CompareFace, TheSecondFaceIsDrawnAndItsValuesReported) {
    ViewRig rig(Fixtures(), W, H);
    Request(rig.state, "Lumina Test", "A");
    rig.state.faces.compare = true;
    rig.state.faces.compareFace = {"Lumina Test Vert", true, false};
    ASSERT_TRUE(rig.Refresh());
    ASSERT_TRUE(rig.observer.compare.has_value());
    const auto second = rig.services.Get().fonts.CreateFont(
        MakeLogicalFont(CompareFontSpec(rig.state.request, rig.state.faces.compareFace), 96));
    EXPECT_EQ(rig.observer.compare->family, "Lumina Test Vert");
    EXPECT_EQ(rig.observer.compare->text.tmAscent, second->Metrics().tmAscent);
    const GlyphMetrics gm = second->GlyphOf(GlyphKey::Char(U'A'), GlyphFormat::Native)->metrics;
    ASSERT_TRUE(rig.observer.compare->glyph.has_value());
    EXPECT_EQ(rig.observer.compare->glyph->gmBlackBoxX, gm.gmBlackBoxX);
    EXPECT_EQ(rig.observer.compare->glyph->gmCellIncX, gm.gmCellIncX);
    for (const DisplayMode mode : {DisplayMode::Outline, DisplayMode::Bitmap, DisplayMode::Drawing})
        EXPECT_GT(CountOf(rig.Picture(mode), view::kCompareColour), 0) << static_cast<int>(mode);
    // Zoomed in, the second face's pixels are squares of its colour beside the first face's.
    const int unzoomed = CountOf(rig.Picture(DisplayMode::Bitmap), view::kCompareColour);
    rig.state.study.zoom = 2;
    ASSERT_TRUE(rig.Refresh());
    EXPECT_EQ(CountOf(rig.Picture(DisplayMode::Bitmap), view::kCompareColour), 4 * unzoomed);
    rig.state.study.zoom = 1;
    // The first face's fields stay its own.
    EXPECT_EQ(rig.view.Metrics().gmBlackBoxX,
              rig.services.Get()
                  .fonts.CreateFont(MakeLogicalFont(rig.state.request.ToFontSpec(), 96))
                  ->GlyphOf(GlyphKey::Char(U'A'), GlyphFormat::Native)
                  ->metrics.gmBlackBoxX);

    rig.state.faces.compare = false;
    ASSERT_TRUE(rig.Refresh());
    EXPECT_FALSE(rig.observer.compare.has_value());
}

// The second face's cell stands on the first one's base line in the drawing: both faces' ink
// of a glyph standing on the base line ends on the same row.
TEST(CompareFace, TheDrawingAlignsTheBaseLines) {
    ViewRig rig(Fixtures(), W, H);
    Request(rig.state, "Lumina Test", "A");
    rig.state.faces.compare = true;
    rig.state.faces.compareFace = {"Lumina Test Vert", false, false};
    ASSERT_TRUE(rig.Refresh());
    const Surface& s = rig.Picture(DisplayMode::Drawing);
    const int baseY = rig.state.OrgY + rig.observer.textMetrics.tmAscent;
    const auto second = rig.services.Get().fonts.CreateFont({"Lumina Test Vert", -100});
    const GlyphMetrics gm = second->GlyphOf(GlyphKey::Char(U'A'), GlyphFormat::Native)->metrics;
    const std::optional<Rect> ink = BoundsOf(s, view::kCompareColour);
    ASSERT_TRUE(ink.has_value());
    EXPECT_NEAR(ink->top, baseY - gm.gmptGlyphOrigin.y, 1);
}

} // namespace
} // namespace lumina
