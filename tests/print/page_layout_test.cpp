#include "print/page_layout.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

// A4 at 254 dots per inch: exactly 210 x 297 mm in single precision.
constexpr PrinterGeometry kA4At254{254, 254, 2100, 2970, 40, 30};
// A4 as a 600-dot printer reports it.
constexpr PrinterGeometry kA4At600{600, 600, 4961, 7016, 100, 100};

TEST(PaperSize, MillimetresAndOffsetsFromPrinterPixels) {
    const PaperMm a4 = PaperSizeMm(kA4At254);
    EXPECT_FLOAT_EQ(a4.width, 210.0f);
    EXPECT_FLOAT_EQ(a4.height, 297.0f);
    // 100 / 600 inch is 4.23 mm: the smallest margin is 4.
    EXPECT_EQ(PhysicalOffsetMm(kA4At600), (Point{4, 4}));
    EXPECT_EQ(PhysicalOffsetMm(kA4At254), (Point{4, 3}));
}

struct CountCase {
    const char* name;
    Size view;
    int screenDpi;
    bool onePage;
    PageGrid expected;
};

class CountPagesTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountPagesTest, ColumnsAndRows) {
    const CountCase& c = GetParam();
    const PageGrid grid = CountPages(c.view, c.screenDpi, c.screenDpi, PaperSizeMm(kA4At254),
                                     Margins{25, 10, 25, 10}, c.onePage);
    EXPECT_EQ(grid, c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(A4Margins25_10_25_10, CountPagesTest,
                         ::testing::Values(
                             // 158.75 x 132.29 mm on 175 x 262 mm
                             CountCase{"600x500", {600, 500}, 96, false, {1, 1}},
                             // 264.58 mm wide
                             CountCase{"1000 wide", {1000, 500}, 96, false, {2, 1}},
                             // 1750 px at 254 dpi is exactly the printable 175 mm: trunc(1) + 1
                             CountCase{"exactly printable width", {1750, 500}, 254, false, {2, 1}},
                             CountCase{
                                 "one below printable width", {1749, 500}, 254, false, {1, 1}},
                             CountCase{"tall and wide", {2000, 2000}, 96, false, {4, 3}},
                             CountCase{"one page fit", {5000, 5000}, 96, true, {1, 1}}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(CountPages, MarginsThatLeaveNothingPrintableStillGiveOnePage) {
    const PageGrid grid =
        CountPages({600, 500}, 96, 96, PaperMm{98.0f, 190.0f}, Margins{50, 50, 50, 50}, false);
    // Across nothing is printable: one column; down 132 mm on 90 mm: two rows.
    EXPECT_EQ(grid, (PageGrid{1, 2}));
}

struct PaperRectCase {
    Rect frame;
    PaperMm paper;
    Rect expected;
};

class PaperRectTest : public ::testing::TestWithParam<PaperRectCase> {};

TEST_P(PaperRectTest, FitsTheRoomAndIsCentred) {
    EXPECT_EQ(PaperRectInFrame(GetParam().frame, GetParam().paper), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, PaperRectTest,
    ::testing::Values(
        // Portrait in a tall frame: room 372 x 472, 372 * 1.4143 = 526 > 472, so the height
        // fills and the width is trunc(472 / 1.4143) = 333; left = 10 + trunc(67 * 0.5).
        PaperRectCase{{10, 20, 410, 520}, {210, 297}, {43, 34, 43 + 333, 34 + 472}},
        // Portrait in a wide frame: the height limits, trunc(272 / 1.4143) = 192.
        PaperRectCase{{0, 0, 800, 300}, {210, 297}, {304, 14, 304 + 192, 14 + 272}},
        // Landscape in a wide frame: room 772 x 272, 272 * 1.4143 = 384 < 772.
        PaperRectCase{{0, 0, 800, 300}, {297, 210}, {208, 14, 208 + 384, 14 + 272}},
        // A frame smaller than its border has no paper.
        PaperRectCase{{5, 5, 30, 30}, {210, 297}, {5, 5, 5, 5}}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

// The preview of A4 in a 400 x 500 frame at 96 dpi: paper 333 x 472, scale 0.41955.
PageLayout PreviewOfA4(Size view, bool onePage) {
    LayoutInput input;
    input.printer = kA4At254;
    input.frame = {0, 0, 400, 500};
    input.viewPx = view;
    input.onePage = onePage;
    return ComputePageLayout(input);
}

TEST(ComputePageLayout, PreviewScaleAndMargins) {
    const PageLayout layout = PreviewOfA4({1000, 500}, false);
    EXPECT_EQ(layout.paperRect, (Rect{33, 14, 366, 486}));
    // 333 px at 96 dpi is 88.106 mm for 210 mm of paper.
    EXPECT_NEAR(layout.previewScale, 0.419553f, 1e-5f);
    // trunc(trunc(25 * 96 / 25.4) * scale) = trunc(94 * 0.41955); trunc(37 * 0.41955)
    EXPECT_EQ(layout.previewMargins, (Margins{39, 15, 39, 15}));
    EXPECT_EQ(layout.printable, (Rect{33 + 39, 14 + 39, 366 - 15, 486 - 15}));
    EXPECT_EQ(layout.grid, (PageGrid{2, 1}));
    EXPECT_EQ(layout.offsetMm, (Point{4, 3}));
}

TEST(PreviewTile, PagesWalkRowByRowAndTheLastColumnIsCut) {
    const PageLayout layout = PreviewOfA4({1000, 500}, false);
    const Rect& p = layout.printable; // 279 x 418
    const int tileW = static_cast<int>(279 / layout.previewScale);
    const int tileH = static_cast<int>(418 / layout.previewScale);
    ASSERT_EQ(tileW, 664);
    ASSERT_EQ(tileH, 996);

    const PreviewTile first = PreviewTileOf(layout, {1000, 500}, 1, false);
    // The view is only 500 high: the tile is cut at the bottom and drawn shorter.
    EXPECT_EQ(first.source, (Rect{0, 0, 664, 500}));
    EXPECT_EQ(first.destination, (Rect{p.left, p.top, p.right, p.top + 418 * 500 / 996}));

    const PreviewTile second = PreviewTileOf(layout, {1000, 500}, 2, false);
    EXPECT_EQ(second.source, (Rect{664, 0, 1000, 500}));
    EXPECT_EQ(second.destination.left, p.left);
    EXPECT_EQ(second.destination.Width(), 279 * (1000 - 664) / 664);

    // A page past the view has nothing to show.
    EXPECT_TRUE(PreviewTileOf(layout, {1000, 500}, 3, false).source.IsEmpty());
}

TEST(PreviewTile, OnePageFitKeepsProportionsAndCentres) {
    // A wide view fills the printable width and is centred vertically.
    const PageLayout wide = PreviewOfA4({1000, 500}, true);
    const Rect& p = wide.printable;
    const PreviewTile fitted = PreviewTileOf(wide, {1000, 500}, 1, true);
    EXPECT_EQ(fitted.source, (Rect{0, 0, 1000, 500}));
    const int height = static_cast<int>(500 * (279.0f / 1000.0f));
    EXPECT_EQ(fitted.destination, (Rect{p.left, p.top + (418 - height) / 2, p.right,
                                        p.top + (418 - height) / 2 + height}));
    EXPECT_EQ(wide.grid, (PageGrid{1, 1}));

    // A tall view fills the height and is centred horizontally.
    const PageLayout tall = PreviewOfA4({300, 1000}, true);
    const PreviewTile upright = PreviewTileOf(tall, {300, 1000}, 1, true);
    const int width = static_cast<int>(300 * (418.0f / 1000.0f));
    EXPECT_EQ(upright.destination.Width(), width);
    EXPECT_EQ(upright.destination.left, p.left + (279 - width) / 2);
    EXPECT_EQ(upright.destination.Height(), 418);
}

} // namespace
} // namespace lumina
