#include "art/layout.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

TEST(ArtLayout, WorkedExample640x480) {
    ArtSettings s; // OutW 1000, CharMa 10, LineMa 10
    ArtLayout l;
    ASSERT_EQ(ComputeArtLayout(s, {13, 3, 8}, 640, 480, l), LayoutResult::Ok);
    EXPECT_EQ(l.cols, 64);
    EXPECT_EQ(l.cellW, 15);
    EXPECT_EQ(l.range, 10);
    EXPECT_EQ(l.rows, 48);
    EXPECT_EQ(l.cellH, 16);
    EXPECT_EQ(l.drawW, 960);
    EXPECT_EQ(l.drawH, 768);
    EXPECT_EQ(l.outH, 750);
}

TEST(ArtLayout, NarrowPictureGetsOneCharacterAPixel) {
    ArtSettings s;
    ArtLayout l;
    ASSERT_EQ(ComputeArtLayout(s, {13, 3, 8}, 50, 40, l), LayoutResult::Ok);
    EXPECT_EQ(l.cols, 50);
    EXPECT_EQ(l.cellW, 1000 / 50);
    EXPECT_EQ(l.range, 1);
    EXPECT_EQ(l.rows, 40);
    EXPECT_EQ(l.drawW, 1000);
}

TEST(ArtLayout, TooFewColumns) {
    struct Case {
        int charMa;
        int aveWidth;
        int outW;
    } const cases[] = {
        {10, 100, 500}, // cellW 200: two columns
        {0, 5, 1000},   // cellW 0: nothing to divide by
        {0, 4, 1000},   // cellW -2
        {30, 85, 500},  // cellW 190: two columns
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.aveWidth);
        ArtSettings s;
        s.CharMa = c.charMa;
        s.OutW = c.outW;
        ArtLayout l;
        EXPECT_EQ(ComputeArtLayout(s, {13, 3, c.aveWidth}, 640, 480, l),
                  LayoutResult::TooFewColumns);
        EXPECT_EQ(l.cellW, c.charMa + 2 * c.aveWidth - 10) << "the figures so far stay";
    }
}

TEST(ArtLayout, PictureWiderThanTheOutputNeverGivesZeroWideCells) {
    ArtSettings s;
    s.CharMa = 1;
    s.OutW = 500;
    ArtLayout l;
    // cellW 1 gives 500 columns over 6000 pixels; the widened grid would have cells of 0.
    const LayoutResult r = ComputeArtLayout(s, {6, 2, 5}, 1499, 100, l);
    if (r == LayoutResult::Ok) {
        EXPECT_GT(l.cellW, 0);
        EXPECT_GT(l.drawW, 0);
    } else {
        EXPECT_EQ(r, LayoutResult::TooFewColumns);
    }
    EXPECT_EQ(ComputeArtLayout(s, {6, 2, 5}, 999, 100, l), LayoutResult::TooFewColumns);
}

TEST(ArtLayout, PictureShorterThanOnePieceHasNoRows) {
    ArtSettings s;
    ArtLayout l;
    EXPECT_EQ(ComputeArtLayout(s, {13, 3, 8}, 640, 5, l), LayoutResult::NoRows);
}

} // namespace
} // namespace lumina
