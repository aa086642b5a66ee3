#include "platform/surface.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace lumina {
namespace {

constexpr COLORREF kWhite = Rgb(255, 255, 255);
constexpr COLORREF kBlack = Rgb(0, 0, 0);
// Colours that survive 5-6-5 unchanged, so both formats can be checked exactly.
constexpr COLORREF kRed = Rgb(255, 0, 0);
constexpr COLORREF kBlue = Rgb(0, 0, 255);
constexpr COLORREF kGreen = Rgb(0, 255, 0);

class SurfaceTest : public ::testing::TestWithParam<PixelFormat> {
protected:
    Surface Make(int w, int h) {
        auto s = Surface::Create(w, h, GetParam());
        EXPECT_TRUE(s.has_value());
        s->FillRect(s->Bounds(), kWhite);
        return std::move(*s);
    }

    // The inked pixels (not white) of a surface.
    static std::set<std::pair<int, int>> Ink(const Surface& s) {
        std::set<std::pair<int, int>> ink;
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x)
                if (s.PixelAt({x, y}) != kWhite)
                    ink.insert({x, y});
        return ink;
    }

    static Rect InkBounds(const Surface& s) {
        Rect r{1 << 30, 1 << 30, -1, -1};
        for (auto [x, y] : Ink(s)) {
            r.left = std::min(r.left, x);
            r.top = std::min(r.top, y);
            r.right = std::max(r.right, x + 1);
            r.bottom = std::max(r.bottom, y + 1);
        }
        return r;
    }
};

TEST_P(SurfaceTest, CreateGivesFormatDepthAndStride) {
    Surface s = Make(13, 7);
    EXPECT_EQ(s.Width(), 13);
    EXPECT_EQ(s.Height(), 7);
    EXPECT_EQ(s.Format(), GetParam());
    EXPECT_EQ(s.DpiY(), 96);
    const int bpp = GetParam() == PixelFormat::Rgb16 ? 16 : 32;
    EXPECT_EQ(s.BitsPerPixel(), bpp);
    // Rows are padded to 4 bytes, as the readers of whole bitmaps expect.
    EXPECT_EQ(s.Stride(), (13 * bpp / 8 + 3) / 4 * 4);
    EXPECT_FALSE(Surface::Create(0, 5, GetParam()).has_value());
    EXPECT_FALSE(Surface::Create(5, -1, GetParam()).has_value());
}

TEST_P(SurfaceTest, BitsHoldTheDocumentedPixelLayout) {
    Surface s = Make(4, 2);
    s.SetPixel({1, 1}, Rgb(0x12, 0x34, 0x56));
    const std::uint8_t* row = s.Bits() + s.Stride();
    if (GetParam() == PixelFormat::Rgb32) {
        EXPECT_EQ(row[4], 0x56); // blue
        EXPECT_EQ(row[5], 0x34); // green
        EXPECT_EQ(row[6], 0x12); // red
    } else {
        std::uint16_t v = 0;
        std::memcpy(&v, row + 2, 2);
        EXPECT_EQ(v, ((0x12 >> 3) << 11) | ((0x34 >> 2) << 5) | (0x56 >> 3));
    }
    // Writing the bits is seen by the pixel reader.
    std::memset(s.Bits(), 0, s.Stride());
    EXPECT_EQ(s.PixelAt({3, 0}), kBlack);
}

TEST_P(SurfaceTest, PixelReadAndWriteClipToTheSurface) {
    Surface s = Make(5, 5);
    s.SetPixel({2, 3}, kRed);
    s.SetPixel({-1, 0}, kRed); // ignored
    s.SetPixel({5, 0}, kRed);  // ignored
    EXPECT_EQ(s.PixelAt({2, 3}), kRed);
    EXPECT_EQ(s.PixelAt({-1, 0}), kNoColour);
    EXPECT_EQ(s.PixelAt({0, 5}), kNoColour);
    EXPECT_EQ(Ink(s).size(), 1u);
}

TEST_P(SurfaceTest, FillRectIsClippedAndRightBottomExclusive) {
    Surface s = Make(10, 10);
    s.FillRect({2, 3, 5, 4}, kBlue);
    EXPECT_EQ(InkBounds(s), (Rect{2, 3, 5, 4}));
    EXPECT_EQ(Ink(s).size(), 3u);
    s.FillRect({-5, -5, 100, 1}, kGreen);
    EXPECT_EQ(s.PixelAt({9, 0}), kGreen);
    EXPECT_EQ(s.PixelAt({0, 1}), kWhite);
}

TEST_P(SurfaceTest, SolidLineLeavesItsEndPixelOut) {
    Surface s = Make(20, 20);
    s.SelectPen({PenStyle::Solid, 1, kRed});
    s.MoveTo({2, 5});
    s.LineTo({12, 5});
    EXPECT_EQ(InkBounds(s), (Rect{2, 5, 12, 6}));
    EXPECT_EQ(s.PixelAt({12, 5}), kWhite);
    // The current point moved to the end; the next line starts there.
    s.LineTo({12, 9});
    EXPECT_EQ(s.PixelAt({12, 5}), kRed);
    EXPECT_EQ(s.PixelAt({12, 8}), kRed);
    EXPECT_EQ(s.PixelAt({12, 9}), kWhite);
    // A diagonal line of 45 degrees inks one pixel a step.
    Surface d = Make(20, 20);
    d.SelectPen({PenStyle::Solid, 1, kBlack});
    d.MoveTo({10, 10});
    d.LineTo({4, 4});
    EXPECT_EQ(Ink(d),
              (std::set<std::pair<int, int>>{{10, 10}, {9, 9}, {8, 8}, {7, 7}, {6, 6}, {5, 5}}));
}

TEST_P(SurfaceTest, DottedLineInksEveryOtherPixel) {
    Surface s = Make(20, 5);
    s.SelectPen({PenStyle::Dot, 1, kBlack});
    s.MoveTo({0, 2});
    s.LineTo({10, 2});
    EXPECT_EQ(Ink(s), (std::set<std::pair<int, int>>{{0, 2}, {2, 2}, {4, 2}, {6, 2}, {8, 2}}));
}

TEST_P(SurfaceTest, WidePenIsRoundAndFiveAcross) {
    Surface s = Make(30, 30);
    s.SelectPen({PenStyle::Solid, 5, kBlue});
    s.PenDot({10, 10});
    EXPECT_EQ(InkBounds(s), (Rect{8, 8, 13, 13}));
    EXPECT_EQ(s.PixelAt({8, 8}), kWhite); // corners stay off: a round dot
    EXPECT_EQ(s.PixelAt({8, 10}), kBlue);
    EXPECT_EQ(s.PixelAt({10, 12}), kBlue);

    Surface line = Make(30, 30);
    line.SelectPen({PenStyle::Solid, 5, kBlue});
    line.MoveTo({5, 15});
    line.LineTo({20, 15});
    EXPECT_EQ(InkBounds(line), (Rect{3, 13, 23, 18}));
    // A dotted pen of width 5 draws solid.
    Surface dotted = Make(30, 30);
    dotted.SelectPen({PenStyle::Dot, 5, kBlue});
    dotted.MoveTo({5, 15});
    dotted.LineTo({20, 15});
    EXPECT_EQ(Ink(dotted), Ink(line));
}

TEST_P(SurfaceTest, PenDotOfAOnePixelPenIsOnePixel) {
    Surface s = Make(5, 5);
    s.SelectPen({PenStyle::Solid, 1, kRed});
    s.PenDot({4, 4});
    EXPECT_EQ(Ink(s), (std::set<std::pair<int, int>>{{4, 4}}));
}

TEST_P(SurfaceTest, SelectReturnsThePreviousState) {
    Surface s = Make(5, 5);
    EXPECT_EQ(s.SelectPen({PenStyle::Dot, 1, kRed}), (Pen{PenStyle::Solid, 1, kBlack}));
    EXPECT_EQ(s.SelectPen({}), (Pen{PenStyle::Dot, 1, kRed}));
    EXPECT_EQ(s.SelectBrush({kBlue}), (Brush{kWhite}));
    EXPECT_EQ(s.SelectBrush({}), (Brush{kBlue}));
    EXPECT_EQ(s.SetTextColour(kRed), kBlack);
    EXPECT_EQ(s.SetTextColour(kBlack), kRed);
    EXPECT_EQ(s.SelectedFont(), nullptr);
}

TEST_P(SurfaceTest, EllipseIsInscribedOutlinedAndFilled) {
    Surface s = Make(40, 40);
    s.SelectPen({PenStyle::Solid, 1, kRed});
    s.SelectBrush({kBlue});
    s.Ellipse({10, 10, 21, 21});
    EXPECT_EQ(InkBounds(s), (Rect{10, 10, 21, 21}));
    EXPECT_EQ(s.PixelAt({15, 15}), kBlue);
    EXPECT_EQ(s.PixelAt({15, 10}), kRed);
    EXPECT_EQ(s.PixelAt({10, 15}), kRed);
    EXPECT_EQ(s.PixelAt({20, 15}), kRed);
    EXPECT_EQ(s.PixelAt({10, 10}), kWhite);
    // A circle of radius 3 about p, as the vertex markers are drawn.
    Surface c = Make(20, 20);
    c.Ellipse({7, 7, 13, 13});
    EXPECT_EQ(InkBounds(c), (Rect{7, 7, 13, 13}));
}

TEST_P(SurfaceTest, FrameRectDrawsOnePixelInside) {
    Surface s = Make(20, 20);
    s.FrameRect({2, 3, 8, 9}, kBlue);
    EXPECT_EQ(InkBounds(s), (Rect{2, 3, 8, 9}));
    EXPECT_EQ(s.PixelAt({7, 8}), kBlue);
    EXPECT_EQ(s.PixelAt({3, 4}), kWhite);
    EXPECT_EQ(Ink(s).size(), static_cast<std::size_t>(2 * 6 + 2 * 4));
}

TEST_P(SurfaceTest, CopyFromIsExactAndClipped) {
    Surface src = Make(10, 10);
    src.SetPixel({3, 4}, Rgb(8, 12, 16));
    src.SetPixel({5, 5}, kRed);
    Surface dst = Make(10, 10);
    dst.CopyFrom(src, {3, 4, 6, 6}, {0, 0});
    EXPECT_EQ(dst.PixelAt({0, 0}), src.PixelAt({3, 4}));
    EXPECT_EQ(dst.PixelAt({2, 1}), kRed);
    EXPECT_EQ(Ink(dst).size(), 2u);
    // Partly outside the destination: what fits is copied.
    dst.CopyFrom(src, {5, 5, 6, 6}, {9, 9});
    EXPECT_EQ(dst.PixelAt({9, 9}), kRed);
    dst.CopyFrom(src, {0, 0, 10, 10}, {-20, 30});
    // Within one surface, overlapping: the source is read before it is overwritten.
    src.CopyFrom(src, {3, 4, 6, 6}, {4, 4});
    EXPECT_EQ(src.PixelAt({4, 4}), Rgb(8, 12, 16));
    EXPECT_EQ(src.PixelAt({6, 5}), kRed);
}

TEST_P(SurfaceTest, StretchFromScalesSmoothly) {
    Surface src = Make(2, 1);
    src.SetPixel({0, 0}, kBlack);
    Surface dst = Make(20, 10);
    dst.StretchFrom(src, {0, 0, 2, 1}, {0, 0, 20, 10});
    EXPECT_EQ(dst.PixelAt({0, 5}), kBlack);
    EXPECT_EQ(dst.PixelAt({19, 5}), kWhite);
    // Between the two source pixels the colour is blended, not stepped.
    std::set<COLORREF> shades;
    for (int x = 0; x < 20; ++x)
        shades.insert(dst.PixelAt({x, 5}));
    EXPECT_GT(shades.size(), 3u);
    // Shrinking averages: a checkerboard becomes gray.
    Surface board = Make(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if ((x + y) % 2)
                board.SetPixel({x, y}, kBlack);
    Surface small = Make(2, 2);
    small.StretchFrom(board, board.Bounds(), small.Bounds());
    EXPECT_NEAR(RedOf(small.PixelAt({0, 0})), 128, 12);
}

TEST_P(SurfaceTest, TransparentFromLeavesTheKeyColourOut) {
    Surface src = Make(4, 4);
    src.FillRect(src.Bounds(), kGreen);
    src.SetPixel({1, 1}, kRed);
    Surface dst = Make(8, 8);
    dst.FillRect(dst.Bounds(), kBlue);
    dst.TransparentFrom(src, src.Bounds(), {0, 0, 8, 8}, kGreen);
    EXPECT_EQ(dst.PixelAt({0, 0}), kBlue);
    EXPECT_EQ(dst.PixelAt({2, 2}), kRed);
    EXPECT_EQ(dst.PixelAt({3, 3}), kRed);
    EXPECT_EQ(dst.PixelAt({4, 4}), kBlue);
}

TEST_P(SurfaceTest, TextWithoutAFontDrawsNothing) {
    Surface s = Make(10, 10);
    s.TextOut({0, 0}, "A");
    s.TextOutCode({0, 0}, 0x41);
    s.DrawTextInRect(s.Bounds(), "A", kAlignCentre);
    EXPECT_TRUE(Ink(s).empty());
}

INSTANTIATE_TEST_SUITE_P(Formats, SurfaceTest,
                         ::testing::Values(PixelFormat::Rgb32, PixelFormat::Rgb16),
                         [](const auto& info) {
                             return info.param == PixelFormat::Rgb16 ? "Rgb16" : "Rgb32";
                         });

} // namespace
} // namespace lumina
