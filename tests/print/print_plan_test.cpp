#include "print/print_plan.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

// A 600-dot printer whose printable width with 5 mm side margins is 4724 pixels (200 mm).
PlanInput SixHundredDots(Size view) {
    PlanInput input;
    input.printer = {600, 600, 4960, 7016, 100, 80};
    input.screenDpiX = 96;
    input.margins = {5, 5, 25, 10};
    input.viewPx = view;
    input.grid = {2, 1};
    input.oneSourceSize = view;
    return input;
}

TEST(PrintPlan, MarginsCornerScaleAndTiles) {
    const PrintPlan plan = MakePrintPlan(SixHundredDots({1000, 500}));
    EXPECT_EQ(plan.mL, 118); // trunc(5 * 600 / 25.4)
    EXPECT_EQ(plan.mR, 118);
    EXPECT_EQ(plan.mT, 590); // trunc(25 * 600 / 25.4)
    EXPECT_EQ(plan.mB, 236);
    EXPECT_EQ(plan.x0, 118 - 100); // the surface starts at the physical offset
    EXPECT_EQ(plan.y0, 590 - 80);
    EXPECT_EQ(plan.W, 4724);
    EXPECT_EQ(plan.H, 7016 - 590 - 236);
    EXPECT_FLOAT_EQ(plan.E, 6.25f);
    EXPECT_EQ(plan.G, 755); // trunc(4724 / 6.25)
    EXPECT_EQ(plan.F, (7016 - 590 - 236) * 4 / 25);
}

TEST(PrintPlan, LastColumnIsCutAndPrintedAtTheSameScale) {
    const PrintPlan plan = MakePrintPlan(SixHundredDots({1000, 500}));
    const PageBlit first = PageBlitOf(plan, 1);
    EXPECT_EQ(first.source, (Rect{0, 0, 755, 500}));
    EXPECT_EQ(first.destination, (Rect{18, 510, 18 + 4724, 510 + 3125})); // 500 * 6.25

    const PageBlit second = PageBlitOf(plan, 2);
    EXPECT_EQ(second.source, (Rect{755, 0, 1000, 500}));
    EXPECT_EQ(second.destination, (Rect{18, 510, 18 + 1531, 510 + 3125})); // trunc(245 * 6.25)
}

TEST(PrintPlan, SecondRowStartsOneTileDown) {
    PlanInput input = SixHundredDots({1000, 1200});
    input.grid = {2, 2};
    const PrintPlan plan = MakePrintPlan(input);
    const PageBlit third = PageBlitOf(plan, 3);
    EXPECT_EQ(third.source.left, 0);
    EXPECT_EQ(third.source.top, plan.F);
    EXPECT_EQ(third.source.bottom, 1200);
    EXPECT_EQ(third.destination.Height(), static_cast<int>((1200 - plan.F) * 6.25f));
}

TEST(PrintPlan, OnePageFitFillsTheWidthAndCentresVertically) {
    PlanInput input = SixHundredDots({1000, 500});
    input.onePage = true;
    input.grid = {1, 1};
    const PrintPlan plan = MakePrintPlan(input);
    EXPECT_EQ(plan.G, 1000);
    EXPECT_EQ(plan.F, 500);
    EXPECT_EQ(plan.W, 4724);
    EXPECT_EQ(plan.H, 2362); // trunc(500 * 4724 / 1000)
    EXPECT_EQ(plan.x0, 18);
    EXPECT_EQ(plan.y0, 510 + (6190 - 2362) / 2);
    const PageBlit page = PageBlitOf(plan, 1);
    EXPECT_EQ(page.source, (Rect{0, 0, 1000, 500}));
    EXPECT_EQ(page.destination, (Rect{plan.x0, plan.y0, plan.x0 + 4724, plan.y0 + 2362}));
}

TEST(PrintPlan, OnePageFitOfATallViewCentresHorizontally) {
    PlanInput input = SixHundredDots({200, 1000});
    input.onePage = true;
    input.grid = {1, 1};
    const PrintPlan plan = MakePrintPlan(input);
    EXPECT_EQ(plan.H, 6190);
    EXPECT_EQ(plan.W, 1238); // trunc(200 * 6190 / 1000)
    EXPECT_EQ(plan.x0, 18 + (4724 - 1238) / 2);
    EXPECT_EQ(plan.y0, 510);
}

TEST(PrintPlan, NothingPrintableWhenMarginsEatTheSheet) {
    PlanInput input = SixHundredDots({1000, 500});
    input.printer.physicalWidth = 200;
    EXPECT_FALSE(MakePrintPlan(input).Printable());
}

struct RangeCase {
    RangeKind kind;
    int current, from, to;
    int first, count;
};

class PagesToPrintTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(PagesToPrintTest, OfSixPages) {
    const RangeCase& c = GetParam();
    const PageRange range = PagesToPrint(c.kind, 6, c.current, c.from, c.to);
    EXPECT_EQ(range.Count(), c.count);
    if (c.count > 0) {
        EXPECT_EQ(range.first, c.first);
    }
}

INSTANTIATE_TEST_SUITE_P(Ranges, PagesToPrintTest,
                         ::testing::Values(RangeCase{RangeKind::All, 3, 2, 4, 1, 6},
                                           RangeCase{RangeKind::Current, 3, 2, 4, 3, 1},
                                           RangeCase{RangeKind::FromTo, 3, 2, 4, 2, 3},
                                           RangeCase{RangeKind::FromTo, 1, 3, 2, 0, 0},
                                           // Start 0 has no tile; the range begins at 1.
                                           RangeCase{RangeKind::FromTo, 1, 0, 2, 1, 2},
                                           RangeCase{RangeKind::FromTo, 1, 5, 9, 5, 2}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

} // namespace
} // namespace lumina
