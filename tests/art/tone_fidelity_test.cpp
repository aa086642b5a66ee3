#include "art/tone_fidelity.h"

#include "art/tone.h"
#include "platform/surface.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

TEST(Correlation, PearsonOfTwoSeries) {
    struct Case {
        std::vector<double> a, b;
        double r;
    } const cases[] = {
        {{1, 2, 3, 4}, {10, 20, 30, 40}, 1.0},
        {{1, 2, 3, 4}, {8, 6, 4, 2}, -1.0},
        {{1, 2, 3}, {1, 3, 2}, 0.5},
        {{1, 2, 3}, {5, 5, 5}, 0.0},
        {{4}, {4}, 0.0},
        {{1, 2, 3, 4}, {1, 2, 2, 1}, 0.0},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_NEAR(Correlation(cases[i].a, cases[i].b), cases[i].r, 1e-9) << i;
}

TEST(BlockMeans, WholeBlocksOnly) {
    // 5 x 3 cells: two 2 x 2 blocks fit; the fifth column and third row are left out.
    const std::vector<double> cells = {1, 3, 5, 7, 100, 1, 3, 5, 7, 100, 100, 100, 100, 100, 100};
    EXPECT_EQ(BlockMeans(cells, 5, 3, 2), (std::vector<double>{2, 6}));
    EXPECT_EQ(BlockMeans(cells, 5, 3, 1), cells);
}

// Art that draws each piece's lightness exactly correlates 1; art that inverts it -1.
TEST(MeasureToneFidelity, ComparesPiecesWithTheirCells) {
    ArtLayout l;
    l.cols = 4;
    l.rows = 2;
    l.range = 2;
    l.cellW = 3;
    l.cellH = 5;
    auto picture = Surface::Create(8, 4, PixelFormat::Rgb32);
    auto art = Surface::Create(12, 10, PixelFormat::Rgb32);
    auto inverse = Surface::Create(12, 10, PixelFormat::Rgb32);
    ASSERT_TRUE(picture && art && inverse);
    const int greys[] = {250, 200, 30, 90, 120, 10, 180, 60};
    for (int i = 0; i < 8; ++i) {
        const int r = i / 4, c = i % 4, g = greys[i];
        picture->FillRect({c * 2, r * 2, c * 2 + 2, r * 2 + 2}, Rgb(g, g, g));
        art->FillRect({c * 3, r * 5, c * 3 + 3, r * 5 + 5}, Rgb(g, g, g));
        inverse->FillRect({c * 3, r * 5, c * 3 + 3, r * 5 + 5}, Rgb(255 - g, 255 - g, 255 - g));
    }
    const ToneFidelity same = MeasureToneFidelity(*picture, *art, l);
    EXPECT_NEAR(same.cells, 1.0, 1e-9);
    EXPECT_NEAR(same.blocks, 1.0, 1e-9);
    EXPECT_LT(MeasureToneFidelity(*picture, *inverse, l).cells, -0.9);
    EXPECT_NEAR(PictureCellLightness(*picture, l)[2], Lightness(30, 30, 30), 1e-9);
}

} // namespace
} // namespace lumina
