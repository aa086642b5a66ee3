// Surfaces for high-density screens: pixel coordinates in, device pixels out.
#include "platform/display.h"
#include "platform/surface.h"

#include <gtest/gtest.h>

#include <QImage>

#include <set>

namespace lumina {
namespace {

constexpr COLORREF kWhite = Rgb(255, 255, 255);
constexpr COLORREF kBlack = Rgb(0, 0, 0);
constexpr COLORREF kRed = Rgb(255, 0, 0);
constexpr COLORREF kBlue = Rgb(0, 0, 255);

using PixelSet = std::set<std::pair<int, int>>;

// A font whose text is one solid square as tall as its pixel height; its font system keeps the
// heights it was asked for.
class SquareFont : public Font {
public:
    explicit SquareFont(LogicalFont logical)
        : m_logical(std::move(logical)) {}
    int Side() const { return m_logical.height < 0 ? -m_logical.height : m_logical.height; }

    const LogicalFont& Logical() const override { return m_logical; }
    const ResolvedFace& Face() const override { return m_face; }
    TextMetrics Metrics() const override { return {}; }
    std::optional<GlyphData> GlyphOf(const GlyphKey&, GlyphFormat) const override {
        return std::nullopt;
    }
    std::uint32_t IndexOf(const GlyphKey&) const override { return 1; }
    std::optional<SourceOutline> SourcePointsOf(const GlyphKey&) const override {
        return std::nullopt;
    }
    std::optional<char32_t> NextMapped(char32_t, int) const override { return std::nullopt; }
    std::vector<GlyphImage> RenderGlyph(const GlyphKey&) const override { return Square(); }
    Size CodeExtent(std::uint32_t) const override { return {Side(), Side()}; }
    Size TextExtent(std::string_view) const override { return {Side(), Side()}; }
    std::vector<GlyphImage> RenderCode(std::uint32_t) const override { return Square(); }
    std::vector<GlyphImage> RenderText(std::string_view) const override { return Square(); }

private:
    std::vector<GlyphImage> Square() const {
        const int n = Side();
        return {GlyphImage{0, 0, n, n, std::vector<std::uint8_t>(static_cast<size_t>(n) * n, 255)}};
    }
    LogicalFont m_logical;
    ResolvedFace m_face;
};

class SquareFonts : public FontSystem {
public:
    std::shared_ptr<const Font> CreateFont(const LogicalFont& logical) override {
        heights.push_back(logical.height);
        return std::make_shared<SquareFont>(logical);
    }
    std::vector<std::string> Families() override { return {}; }
    std::optional<ResolvedFace> Resolve(const LogicalFont&) override { return std::nullopt; }
    std::vector<int> heights;
};

class SurfaceRatioTest : public ::testing::TestWithParam<PixelFormat> {
protected:
    Surface Make(int w, int h, int ratio = 2, FontSystem* fonts = nullptr) {
        auto s = Surface::CreateScaled(w, h, ratio, fonts, GetParam());
        EXPECT_TRUE(s.has_value());
        return std::move(*s);
    }
    static COLORREF DeviceAt(const Surface& s, int x, int y) {
        const QColor c = s.Image().pixelColor(x, y);
        return Rgb(c.red(), c.green(), c.blue());
    }
    static PixelSet DeviceInk(const Surface& s) {
        PixelSet ink;
        for (int y = 0; y < s.DeviceHeight(); ++y)
            for (int x = 0; x < s.DeviceWidth(); ++x)
                if (DeviceAt(s, x, y) != kWhite)
                    ink.insert({x, y});
        return ink;
    }
    static PixelSet Run(int x0, int x1, int y) {
        PixelSet run;
        for (int x = x0; x < x1; ++x)
            run.insert({x, y});
        return run;
    }
};

TEST_P(SurfaceRatioTest, SizesArePixelsAndTheImageHoldsDevicePixels) {
    Surface s = Make(13, 7);
    EXPECT_EQ(s.Width(), 13);
    EXPECT_EQ(s.Height(), 7);
    EXPECT_EQ(s.Ratio(), 2);
    EXPECT_EQ(s.DeviceWidth(), 26);
    EXPECT_EQ(s.DeviceHeight(), 14);
    EXPECT_EQ(s.Image().devicePixelRatio(), 2.0);
    EXPECT_EQ(s.DpiY(), 96); // fonts are still made at the program's resolution
    EXPECT_EQ(DeviceInk(s), PixelSet{});
    // Out-of-range ratios are held to 1..8; ratio 1 is an ordinary surface.
    EXPECT_EQ(Make(3, 3, 0).Ratio(), 1);
    EXPECT_EQ(Make(3, 3, 20).Ratio(), 8);
    EXPECT_EQ(Make(3, 3, 1).Image().devicePixelRatio(), 1.0);
}

TEST_P(SurfaceRatioTest, FillsAndPixelsCoverWholeBlocks) {
    Surface s = Make(6, 6);
    s.FillRect({1, 1, 2, 3}, kRed);
    s.SetPixel({4, 0}, kBlue);
    PixelSet expected{{8, 0}, {9, 0}, {8, 1}, {9, 1}};
    for (int y = 2; y < 6; ++y)
        expected.merge(Run(2, 4, y));
    EXPECT_EQ(DeviceInk(s), expected);
    EXPECT_EQ(s.PixelAt({1, 2}), kRed);
    EXPECT_EQ(s.PixelAt({4, 0}), kBlue);
    EXPECT_EQ(s.PixelAt({6, 0}), kNoColour);
}

TEST_P(SurfaceRatioTest, OnePixelPensDrawHairlinesAndWiderPensScale) {
    struct Case {
        const char* name;
        Pen pen;
        Point from, to;
        PixelSet ink;
    };
    PixelSet dashes = Run(2, 4, 2);
    dashes.merge(Run(6, 8, 2));
    const Case cases[] = {
        // One device pixel wide, ending before the end point's device pixel.
        {"solid", {PenStyle::Solid, 1, kBlack}, {1, 1}, {4, 1}, Run(2, 8, 2)},
        {"vertical",
         {PenStyle::Solid, 1, kBlack},
         {1, 0},
         {1, 2},
         {{2, 0}, {2, 1}, {2, 2}, {2, 3}}},
        // Dots as long as a pixel, gaps as long.
        {"dotted", {PenStyle::Dot, 1, kBlack}, {1, 1}, {5, 1}, dashes},
    };
    for (const Case& c : cases) {
        Surface s = Make(10, 4);
        s.SelectPen(c.pen);
        s.MoveTo(c.from);
        s.LineTo(c.to);
        EXPECT_EQ(DeviceInk(s), c.ink) << c.name;
    }
    // A 5-pixel pen dot is 10 device pixels across.
    Surface dot = Make(20, 20);
    dot.SelectPen({PenStyle::Solid, 5, kBlue});
    dot.PenDot({10, 10});
    int left = 1 << 20, right = -1;
    for (auto [x, y] : DeviceInk(dot)) {
        left = std::min(left, x);
        right = std::max(right, x);
    }
    EXPECT_EQ(right - left + 1, 10);
}

TEST_P(SurfaceRatioTest, LinesBetweenPixelsUseTheDevicePixels) {
    Surface s = Make(10, 4);
    s.SelectPen({PenStyle::Solid, 1, kBlack});
    // Half pixels are whole device pixels.
    s.LineBetween(0.5, 1.5, 3.5, 1.5);
    EXPECT_EQ(DeviceInk(s), Run(1, 7, 3));
    // Both ends on one device pixel: nothing; the current point is the end's pixel.
    s.LineBetween(5.1, 0.1, 5.2, 0.2);
    EXPECT_EQ(DeviceInk(s), Run(1, 7, 3));
    s.LineTo({5, 2});
    EXPECT_TRUE(DeviceInk(s).contains({10, 1}));
}

TEST_P(SurfaceRatioTest, EllipseAndFrameAreOneDevicePixelThick) {
    Surface s = Make(20, 20);
    s.SelectPen({PenStyle::Solid, 1, kRed});
    s.SelectBrush({kBlue});
    s.Ellipse({2, 2, 12, 12});
    // Across the middle row: outline, then fill at once.
    EXPECT_EQ(DeviceAt(s, 4, 14), kRed);
    EXPECT_EQ(DeviceAt(s, 5, 14), kBlue);
    EXPECT_EQ(DeviceAt(s, 23, 14), kRed);
    EXPECT_EQ(DeviceAt(s, 24, 14), kWhite);

    Surface f = Make(10, 10);
    f.FrameRect({1, 1, 5, 4}, kBlue);
    // The sides run through the device pixels the corner pixels start at.
    PixelSet frame = Run(2, 9, 2);
    frame.merge(Run(2, 9, 6));
    for (int y = 3; y < 6; ++y) {
        frame.insert({2, y});
        frame.insert({8, y});
    }
    EXPECT_EQ(DeviceInk(f), frame);
}

TEST_P(SurfaceRatioTest, CopiesEnlargeLowerRatioPixelsToBlocks) {
    auto bitmap = Surface::Create(3, 2, GetParam());
    ASSERT_TRUE(bitmap);
    bitmap->SetPixel({0, 0}, kBlack);
    bitmap->SetPixel({2, 1}, kRed);
    Surface s = Make(8, 8);
    s.CopyFrom(*bitmap, bitmap->Bounds(), {1, 1});
    const PixelSet blackBlock{{2, 2}, {3, 2}, {2, 3}, {3, 3}};
    const PixelSet redBlock{{6, 4}, {7, 4}, {6, 5}, {7, 5}};
    PixelSet expected = blackBlock;
    expected.insert(redBlock.begin(), redBlock.end());
    EXPECT_EQ(DeviceInk(s), expected);
    EXPECT_EQ(DeviceAt(s, 6, 4), kRed);

    // Between surfaces of one ratio, device pixels are copied as they are.
    Surface copy = Make(8, 8);
    copy.SelectPen({PenStyle::Solid, 1, kBlack});
    copy.LineBetween(0.5, 0.5, 0.5, 3.5);
    Surface target = Make(8, 8);
    target.CopyFrom(copy, copy.Bounds(), {0, 0});
    EXPECT_EQ(DeviceInk(target), DeviceInk(copy));
}

TEST_P(SurfaceRatioTest, TextIsDrawnFromTheFontAtTheDeviceSize) {
    SquareFonts fonts;
    Surface s = Make(40, 40, 2, &fonts);
    s.SelectFont(fonts.CreateFont(LogicalFont{"", -5}));
    s.SetTextColour(kBlack);
    s.TextOut({1, 1}, "A");
    // The font again at twice its height, its 10 x 10 square at device (2, 2).
    EXPECT_EQ(fonts.heights, (std::vector<int>{-5, -10}));
    PixelSet square;
    for (int y = 2; y < 12; ++y)
        square.merge(Run(2, 12, y));
    EXPECT_EQ(DeviceInk(s), square);
    // The device font is made once while the font stays selected; centring is in device pixels.
    Surface centred = Make(40, 40, 2, &fonts);
    centred.SelectFont(fonts.CreateFont(LogicalFont{"", -5}));
    centred.DrawTextInRect({0, 0, 11, 11}, "A", kAlignCentre | kAlignVCentre);
    centred.DrawTextInRect({0, 0, 11, 11}, "A", kAlignCentre | kAlignVCentre);
    EXPECT_EQ(fonts.heights.size(), 4u);
    EXPECT_EQ(DeviceAt(centred, 6, 6), kBlack);
    EXPECT_EQ(DeviceAt(centred, 5, 6), kWhite);

    // Without a font system the font's own pixels are enlarged.
    Surface plain = Make(40, 40);
    plain.SelectFont(std::make_shared<SquareFont>(LogicalFont{"", -5}));
    plain.TextOut({1, 1}, "A");
    EXPECT_EQ(DeviceInk(plain), square);
}

TEST(SurfaceRatio, FollowsTheScreenInWholeDevicePixels) {
    EXPECT_EQ(SurfaceRatioFor(1.0), 1);
    EXPECT_EQ(SurfaceRatioFor(1.005), 1);
    EXPECT_EQ(SurfaceRatioFor(1.25), 2);
    EXPECT_EQ(SurfaceRatioFor(2.0), 2);
    EXPECT_EQ(SurfaceRatioFor(3.0), 3);
    EXPECT_EQ(SurfaceRatioFor(0.5), 1);
    EXPECT_EQ(SurfaceRatioFor(100.0), 8);
}

INSTANTIATE_TEST_SUITE_P(Formats, SurfaceRatioTest,
                         ::testing::Values(PixelFormat::Rgb32, PixelFormat::Rgb16));

} // namespace
} // namespace lumina
