// The set-up installs the IPA fonts; these tests check the default face on them.
#include "tests/platform/font_fixture.h"

#include "services/common.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace lumina {
namespace {

constexpr std::uint32_t kCodeA = 0x82A0; // "あ"

std::shared_ptr<const Font> DefaultFont(FontSystem& fonts, int angle = 0, bool bold = false) {
    return fonts.CreateFont(MakeLogicalFont(FontSpec{"", 300, bold, false, angle}, 96));
}

TEST(DefaultFace, ResolvesToAJapaneseGothicFace) {
    auto fonts = MakeFreeTypeFontSystem();
    for (const std::string name : {"", "MS UI Gothic"}) {
        const auto face = fonts->Resolve(LogicalFont{name, -400});
        ASSERT_TRUE(face.has_value()) << name;
        EXPECT_EQ(face->family, "IPAGothic") << name;
        EXPECT_FALSE(face->file.empty());
    }
    // A bold request on a face without a bold style is emboldened, an italic one slanted.
    const auto bold = fonts->Resolve(LogicalFont{"", -400, 700});
    ASSERT_TRUE(bold.has_value());
    EXPECT_TRUE(bold->embolden);
    const auto italic = fonts->Resolve(LogicalFont{"", -400, 400, true});
    ASSERT_TRUE(italic.has_value());
    EXPECT_TRUE(italic->oblique);
}

TEST(DefaultFace, HintingMovesThePointsAndTheBitmapFollows) {
    auto fonts = MakeFreeTypeFontSystem();
    LogicalFont hinted{"IPAGothic", -16};
    LogicalFont unhinted = hinted;
    unhinted.hinted = false;
    const auto a = fonts->CreateFont(hinted)->SourcePointsOf(GlyphKey::Char(U'あ'));
    const auto b = fonts->CreateFont(unhinted)->SourcePointsOf(GlyphKey::Char(U'あ'));
    ASSERT_TRUE(a && b);
    ASSERT_EQ(a->PointCount(), b->PointCount()) << "the same points, moved";
    int moved = 0;
    for (std::size_t c = 0; c < a->contours.size(); ++c)
        for (std::size_t i = 0; i < a->contours[c].size(); ++i)
            moved += a->contours[c][i] != b->contours[c][i];
    EXPECT_GT(moved, 0);
    // The bitmaps follow: the unhinted one is the plain scan of the unmoved outline.
    const auto inkHinted = fonts->CreateFont(hinted)->Glyph(kCodeA, GlyphFormat::Gray17);
    const auto inkUnhinted = fonts->CreateFont(unhinted)->Glyph(kCodeA, GlyphFormat::Gray17);
    ASSERT_TRUE(inkHinted && inkUnhinted);
    EXPECT_NE(inkHinted->bytes, inkUnhinted->bytes);
}

TEST(DefaultFace, FamiliesListIsSortedAndHasTheIpaFonts) {
    auto fonts = MakeFreeTypeFontSystem();
    const auto families = fonts->Families();
    EXPECT_TRUE(std::is_sorted(families.begin(), families.end()));
    EXPECT_EQ(std::adjacent_find(families.begin(), families.end()), families.end());
    EXPECT_NE(std::find(families.begin(), families.end(), "IPAGothic"), families.end());
}

// The outline's extent in pixels (from the native records' points, control points included,
// which for this glyph lie within a pixel of the curves).
Rect NativeExtent(const std::vector<std::uint8_t>& bytes) {
    bool ok = false;
    const auto polygons = test::ParseNative(bytes, ok);
    EXPECT_TRUE(ok);
    double l = 1e9, t = -1e9, r = -1e9, b = 1e9;
    const auto take = [&](std::pair<double, double> p) {
        l = std::min(l, p.first);
        r = std::max(r, p.first);
        t = std::max(t, p.second);
        b = std::min(b, p.second);
    };
    for (const auto& polygon : polygons) {
        take(polygon.start);
        for (const auto& record : polygon.records)
            for (const auto& p : record.points)
                take(p);
    }
    return {static_cast<int>(std::floor(l)), static_cast<int>(std::ceil(t)),
            static_cast<int>(std::ceil(r)), static_cast<int>(std::floor(b))};
}

TEST(DefaultFace, HiraganaAAt300PointsAgreesAcrossFormats) {
    auto fonts = MakeFreeTypeFontSystem();
    for (int angle : {0, 90, 30}) {
        SCOPED_TRACE(angle);
        const auto font = DefaultFont(*fonts, angle);
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(font->Face().family, "IPAGothic");
        const auto native = font->Glyph(kCodeA, GlyphFormat::Native);
        ASSERT_TRUE(native.has_value());
        ASSERT_FALSE(native->bytes.empty());
        const Rect extent = NativeExtent(native->bytes);
        const GlyphMetrics& nm = native->metrics;
        EXPECT_NEAR(nm.gmptGlyphOrigin.x, extent.left, 1);
        EXPECT_NEAR(nm.gmptGlyphOrigin.y, extent.top, 1);
        EXPECT_NEAR(static_cast<int>(nm.gmBlackBoxX), extent.Width(), 1);
        EXPECT_NEAR(static_cast<int>(nm.gmBlackBoxY), extent.top - extent.bottom, 1);

        const auto gray = font->Glyph(kCodeA, GlyphFormat::Gray17);
        ASSERT_TRUE(gray.has_value());
        const GlyphMetrics& gm = gray->metrics;
        EXPECT_NEAR(gm.gmptGlyphOrigin.x, nm.gmptGlyphOrigin.x, 1);
        EXPECT_NEAR(gm.gmptGlyphOrigin.y, nm.gmptGlyphOrigin.y, 1);
        EXPECT_NEAR(gm.gmBlackBoxX, nm.gmBlackBoxX, 1);
        EXPECT_NEAR(gm.gmBlackBoxY, nm.gmBlackBoxY, 1);
        EXPECT_EQ(gray->bytes.size(), (gm.gmBlackBoxX + 3) / 4 * 4 * gm.gmBlackBoxY);
        EXPECT_EQ(gm.gmCellIncX, nm.gmCellIncX);
        EXPECT_EQ(gm.gmCellIncY, nm.gmCellIncY);

        const auto mono = font->Glyph(kCodeA, GlyphFormat::Mono);
        ASSERT_TRUE(mono.has_value());
        const GlyphMetrics& mm = mono->metrics;
        EXPECT_EQ(mono->bytes.size(), (mm.gmBlackBoxX + 31) / 32 * 4 * mm.gmBlackBoxY);
        // The one-bit bitmap is laid into the outline's black box: one box for every format.
        EXPECT_EQ(mm.gmBlackBoxX, nm.gmBlackBoxX);
        EXPECT_EQ(mm.gmBlackBoxY, nm.gmBlackBoxY);
        EXPECT_EQ(mm.gmptGlyphOrigin.x, nm.gmptGlyphOrigin.x);
        EXPECT_EQ(mm.gmptGlyphOrigin.y, nm.gmptGlyphOrigin.y);
    }
}

// The one-bit renderer rounds its box by pixel centres ("A" at 20 points came out 12 columns
// wide in a black box of 13): its pixels keep their places within the outline's box, and each
// of them lies where the gray bitmap has ink.
TEST(DefaultFace, OneBitPixelsSitInTheOutlinesBlackBox) {
    auto fonts = MakeFreeTypeFontSystem();
    for (int points : {9, 20, 31, 72}) {
        for (char32_t c : {U'A', U'j', U'あ', U'漢'}) {
            SCOPED_TRACE(testing::Message() << points << " " << static_cast<int>(c));
            const auto font = fonts->CreateFont(
                MakeLogicalFont(FontSpec{"IPAGothic", points, false, false, 0}, 96));
            ASSERT_NE(font, nullptr);
            const auto native = font->GlyphOf(GlyphKey::Char(c), GlyphFormat::Native);
            const auto gray = font->GlyphOf(GlyphKey::Char(c), GlyphFormat::Gray17);
            const auto mono = font->GlyphOf(GlyphKey::Char(c), GlyphFormat::Mono);
            ASSERT_TRUE(native && gray && mono);
            const GlyphMetrics& box = native->metrics;
            ASSERT_EQ(mono->metrics.gmBlackBoxX, box.gmBlackBoxX);
            ASSERT_EQ(mono->metrics.gmBlackBoxY, box.gmBlackBoxY);
            ASSERT_EQ(gray->metrics.gmBlackBoxX, box.gmBlackBoxX);
            ASSERT_EQ(gray->metrics.gmBlackBoxY, box.gmBlackBoxY);
            const std::size_t monoStride = (box.gmBlackBoxX + 31) / 32 * 4;
            const std::size_t grayStride = (box.gmBlackBoxX + 3) / 4 * 4;
            ASSERT_EQ(mono->bytes.size(), monoStride * box.gmBlackBoxY);
            int ink = 0;
            for (std::size_t y = 0; y < box.gmBlackBoxY; ++y) {
                for (std::size_t x = 0; x < box.gmBlackBoxX; ++x) {
                    if ((mono->bytes[y * monoStride + x / 8] & (0x80 >> (x % 8))) == 0)
                        continue;
                    ++ink;
                    EXPECT_NE(gray->bytes[y * grayStride + x], 0) << x << "," << y;
                }
            }
            EXPECT_GT(ink, 0);
        }
    }
}

TEST(DefaultFace, AdvanceTurnsWithTheText) {
    auto fonts = MakeFreeTypeFontSystem();
    const auto flat = DefaultFont(*fonts, 0)->Glyph(kCodeA, GlyphFormat::Native);
    const auto up = DefaultFont(*fonts, 90)->Glyph(kCodeA, GlyphFormat::Native);
    ASSERT_TRUE(flat && up);
    EXPECT_EQ(flat->metrics.gmCellIncX, 400); // a full-width character: one em
    EXPECT_EQ(flat->metrics.gmCellIncY, 0);
    EXPECT_EQ(up->metrics.gmCellIncX, 0);
    EXPECT_EQ(up->metrics.gmCellIncY, -400);
}

TEST(DefaultFace, TextMetricsAt300Points) {
    auto fonts = MakeFreeTypeFontSystem();
    const auto font = DefaultFont(*fonts);
    ASSERT_NE(font, nullptr);
    const TextMetrics m = font->Metrics();
    EXPECT_EQ(m.tmHeight, m.tmAscent + m.tmDescent);
    EXPECT_EQ(m.tmInternalLeading, m.tmHeight - 400);
    EXPECT_GE(m.tmExternalLeading, 0);
    EXPECT_GT(m.tmAveCharWidth, 0);
    EXPECT_GE(m.tmMaxCharWidth, m.tmAveCharWidth);
    EXPECT_EQ(m.tmWeight, 400);
    EXPECT_EQ(DefaultFont(*fonts, 0, true)->Metrics().tmWeight, 700);
}

TEST(DefaultFace, BoldWidensTheInk) {
    auto fonts = MakeFreeTypeFontSystem();
    const auto count = [](const GlyphData& g) {
        return std::count_if(g.bytes.begin(), g.bytes.end(), [](auto v) { return v > 0; });
    };
    const auto regular = DefaultFont(*fonts, 0, false)->Glyph(kCodeA, GlyphFormat::Gray17);
    const auto bold = DefaultFont(*fonts, 0, true)->Glyph(kCodeA, GlyphFormat::Gray17);
    ASSERT_TRUE(regular && bold);
    EXPECT_GT(count(*bold), count(*regular) * 11 / 10);
}

TEST(DefaultFace, ItalicShearsTheGlyphToTheRight) {
    auto fonts = MakeFreeTypeFontSystem();
    const auto regular = DefaultFont(*fonts)->Glyph(kCodeA, GlyphFormat::Native);
    const auto italic = fonts->CreateFont(MakeLogicalFont(FontSpec{"", 300, false, true, 0}, 96))
                            ->Glyph(kCodeA, GlyphFormat::Native);
    ASSERT_TRUE(regular && italic);
    // The slant moves the top right and widens the box; the advance stays.
    EXPECT_GT(italic->metrics.gmBlackBoxX, regular->metrics.gmBlackBoxX + 15);
    EXPECT_EQ(italic->metrics.gmBlackBoxY, regular->metrics.gmBlackBoxY);
    EXPECT_EQ(italic->metrics.gmCellIncX, regular->metrics.gmCellIncX);
}

} // namespace
} // namespace lumina
