#include "print/margin_drag.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

constexpr Rect kPaper{33, 14, 366, 486};
constexpr Rect kPrintable{72, 53, 351, 471};
constexpr float kScale = 0.419553f;

struct HitCase {
    Point pointer;
    MarginSide expected;
};

class HitTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitTest, BandsOfFivePixelsFirstMatchWins) {
    EXPECT_EQ(HitMarginLine(GetParam().pointer, kPrintable), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, HitTest,
    ::testing::Values(HitCase{{72, 200}, MarginSide::Left}, HitCase{{74, 200}, MarginSide::Left},
                      HitCase{{75, 200}, MarginSide::None}, HitCase{{69, 200}, MarginSide::None},
                      // The bands run through the whole client area.
                      HitCase{{72, 2}, MarginSide::Left}, HitCase{{600, 52}, MarginSide::Top},
                      HitCase{{349, 300}, MarginSide::Right},
                      HitCase{{200, 473}, MarginSide::Bottom},
                      // Where two bands cross, left comes before top, top before right.
                      HitCase{{71, 54}, MarginSide::Left}, HitCase{{350, 54}, MarginSide::Top},
                      HitCase{{200, 200}, MarginSide::None}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(DragLimits, OffsetAndFiftyMillimetresInPreviewPixels) {
    // trunc(4 * 96 / 25.4 * 0.41955) and trunc(50 * 96 / 25.4 * 0.41955)
    const DragLimits limits = MarginDragLimits(4, 96, kScale);
    EXPECT_EQ(limits.nearest, 6);
    EXPECT_EQ(limits.farthest, 79);
}

TEST(DragLinePosition, StaysBetweenTheLimitsFromEachPaperEdge) {
    const DragLimits limits{6, 79};
    EXPECT_EQ(DragLinePosition(MarginSide::Left, {0, 0}, kPaper, limits), 33 + 6);
    EXPECT_EQ(DragLinePosition(MarginSide::Left, {500, 0}, kPaper, limits), 33 + 79);
    EXPECT_EQ(DragLinePosition(MarginSide::Left, {80, 0}, kPaper, limits), 80);
    EXPECT_EQ(DragLinePosition(MarginSide::Right, {0, 0}, kPaper, limits), 366 - 79);
    EXPECT_EQ(DragLinePosition(MarginSide::Right, {999, 0}, kPaper, limits), 366 - 6);
    EXPECT_EQ(DragLinePosition(MarginSide::Top, {0, 0}, kPaper, limits), 14 + 6);
    EXPECT_EQ(DragLinePosition(MarginSide::Bottom, {0, 300}, kPaper, limits), 486 - 79);
    EXPECT_EQ(DistanceFromPaperEdge(MarginSide::Bottom, 486 - 40, kPaper), 40);
}

struct ReleaseCase {
    int distance;
    int expectedMm;
};

class ReleaseTest : public ::testing::TestWithParam<ReleaseCase> {};

TEST_P(ReleaseTest, WholeMillimetresWithFortyNineAsFifty) {
    EXPECT_EQ(MarginFromDistance(GetParam().distance, kScale, 96, 4), GetParam().expectedMm)
        << GetParam().distance;
}

INSTANTIATE_TEST_SUITE_P(Release, ReleaseTest,
                         ::testing::Values(
                             // 25.4 / 0.41955 / 96 = 0.6306 mm per preview pixel
                             ReleaseCase{79, 49 + 1}, // the farthest line reads 49.8: 50
                             ReleaseCase{78, 49 + 1}, // 49.19: 49 becomes 50
                             ReleaseCase{77, 48},     // 48.56
                             ReleaseCase{40, 25},     // 25.2
                             ReleaseCase{6, 4},       // 3.78: the offset
                             ReleaseCase{0, 4}, ReleaseCase{200, 50}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

} // namespace
} // namespace lumina
