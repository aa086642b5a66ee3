#include "art/sampling.h"

#include "platform/surface.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

Surface Filled(int w, int h, PixelFormat format, COLORREF colour) {
    auto s = Surface::Create(w, h, format);
    EXPECT_TRUE(s.has_value());
    s->FillRect(s->Bounds(), colour);
    return std::move(*s);
}

ArtLayout Grid(int cols, int rows, int range) {
    ArtLayout l;
    l.cols = cols;
    l.rows = rows;
    l.range = range;
    return l;
}

TEST(SamplePicture, WhiteAndBlackDarkness) {
    struct Case {
        PixelFormat format;
        COLORREF colour;
        int darkness;
    } const cases[] = {
        {PixelFormat::Rgb32, 0xFFFFFF, 12},
        {PixelFormat::Rgb16, 0xFFFFFF, 77},
        {PixelFormat::Rgb32, 0x000000, 1000},
        {PixelFormat::Rgb16, 0x000000, 1000},
        // A saturated colour has a dark channel and so counts as dark.
        {PixelFormat::Rgb32, Rgb(255, 0, 0), 1000},
        // 128^3 / 2^24 = 0.125
        {PixelFormat::Rgb32, Rgb(128, 128, 128), 875},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.colour);
        const Surface s = Filled(40, 30, c.format, c.colour);
        CellGrid grid;
        ArtSettings settings;
        ASSERT_TRUE(SamplePicture(s, Grid(4, 3, 10), settings, grid));
        ASSERT_EQ(grid.cells.size(), 12u);
        for (const int d : grid.cells)
            EXPECT_EQ(d, c.darkness);
    }
}

TEST(SamplePicture, AveragesTheProductOverThePiece) {
    Surface s = Filled(4, 2, PixelFormat::Rgb32, 0xFFFFFF);
    s.FillRect({0, 0, 2, 2}, 0x000000); // the whole left piece
    s.FillRect({2, 0, 3, 2}, 0x000000); // one column of the right piece
    CellGrid grid;
    ArtSettings settings;
    ASSERT_TRUE(SamplePicture(s, Grid(2, 1, 2), settings, grid));
    EXPECT_EQ(grid.cells[0], 1000);
    // (2 x 255^3) / 4 / 2^24 x 1000 = 494.1
    EXPECT_EQ(grid.cells[1], 1000 - 494);
}

TEST(SamplePicture, ColourIsTheFirstPixelWithGains) {
    Surface s = Filled(20, 10, PixelFormat::Rgb32, 0xFFFFFF);
    s.SetPixel({10, 0}, Rgb(200, 100, 50));
    ArtSettings settings;
    settings.BrightR = 9;
    CellGrid grid;
    ASSERT_TRUE(SamplePicture(s, Grid(2, 1, 10), settings, grid));
    ASSERT_EQ(grid.colours.size(), 2u);
    EXPECT_EQ(grid.colours[1], Rgb(255, 100, 50));
    EXPECT_EQ(grid.colours[0], Rgb(255, 255, 255));

    settings.BrightR = 5;
    settings.BrightG = 1;
    settings.BrightB = 7;
    ASSERT_TRUE(SamplePicture(s, Grid(2, 1, 10), settings, grid));
    EXPECT_EQ(grid.colours[1], Rgb(200, 20, 70));

    settings.Mono = 1;
    ASSERT_TRUE(SamplePicture(s, Grid(2, 1, 10), settings, grid));
    EXPECT_TRUE(grid.colours.empty());
}

TEST(SamplePicture, SixteenBitColoursAreWidened) {
    const Surface s = Filled(10, 10, PixelFormat::Rgb16, 0xFFFFFF);
    ArtSettings settings;
    CellGrid grid;
    ASSERT_TRUE(SamplePicture(s, Grid(1, 1, 10), settings, grid));
    EXPECT_EQ(grid.colours[0], Rgb(248, 252, 248));
}

TEST(ColourGain, StepsOneToNine) {
    EXPECT_DOUBLE_EQ(ColourGain(1), 0.2);
    EXPECT_DOUBLE_EQ(ColourGain(5), 1.0);
    EXPECT_DOUBLE_EQ(ColourGain(9), 1.8);
    EXPECT_EQ(GainChannel(200, 1.8), 255);
    EXPECT_EQ(GainChannel(100, 0.2), 20);
}

} // namespace
} // namespace lumina
