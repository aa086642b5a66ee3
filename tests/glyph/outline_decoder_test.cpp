#include "glyph/outline.h"

#include "tests/glyph/native_records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumina {
namespace {

using test::Fx;
using test::FxPoint;
using test::NativeRecords;
using test::Px;
using Points = std::vector<OutlinePoint>;

std::string Describe(const Points& points) {
    std::string out;
    for (const OutlinePoint& p : points)
        out += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    return out;
}

// The square 0,0 - 10,10 drawn by one line record of 4 points ending on its start.
NativeRecords Square() {
    NativeRecords r;
    r.Polygon(Px(0, 0)).Line({Px(10, 0), Px(10, 10), Px(0, 10), Px(0, 0)});
    return r;
}

const Points kSquarePoints = {{0, 0},  {10, 0},   {0, 0},   {10, 0},   {10, -10},
                              {10, 0}, {10, -10}, {0, -10}, {10, -10}, {0, -10},
                              {0, 0},  {0, -10},  {0, 0},   {0, 0},    {0, 0}};

struct DecodeCase {
    const char* name;
    std::vector<std::uint8_t> data;
    Points points; // trailing copies included, y down
    int blocks;
    int vertices;
};

class DecodeTable : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTable, DecodesBlocks) {
    const DecodeCase& c = GetParam();
    GlyphOutline outline;
    const DecodeResult result = DecodeNativeRecords(c.data, outline);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.stop, DecodeStop::None);
    const Points got(outline.Entries().begin(), outline.Entries().end());
    EXPECT_EQ(Describe(got), Describe(c.points));
    EXPECT_EQ(outline.pointCount, static_cast<int>(c.points.size()));
    EXPECT_EQ(outline.pointCount % 3, 0);
    EXPECT_EQ(outline.blockCount, c.blocks);
    EXPECT_EQ(outline.vertexCount, c.vertices);
    EXPECT_EQ(CountVertices(outline), c.vertices);
}

Points Concat(const Points& a, const Points& b) {
    Points out = a;
    out.insert(out.end(), b.begin(), b.end());
    return out;
}

std::vector<DecodeCase> DecodeCases() {
    std::vector<DecodeCase> cases;
    // Line record of 3 points ending on the start: +9 points, no closing segment.
    cases.push_back(
        {"LineOfThree",
         NativeRecords().Polygon(Px(0, 0)).Line({Px(10, 0), Px(10, 10), Px(0, 0)}).Bytes(),
         {{0, 0},
          {10, 0},
          {0, 0},
          {10, 0},
          {10, -10},
          {10, 0},
          {10, -10},
          {0, 0},
          {10, -10},
          {0, 0},
          {0, 0},
          {0, 0}},
         1,
         3});
    // The same triangle without its last point: the closing segment (end, start, end) gives
    // the same block, the native last point being an ordinary vertex.
    cases.push_back({"OpenContourIsClosed",
                     NativeRecords().Polygon(Px(0, 0)).Line({Px(10, 0), Px(10, 10)}).Bytes(),
                     cases.back().points, 1, 3});
    // Quadratic of 2 points: one segment (+3), control points two thirds toward (10,10).
    cases.push_back({"QuadraticOfTwo",
                     NativeRecords().Polygon(Px(0, 0)).QSpline({Px(10, 10), Px(20, 0)}).Bytes(),
                     {{0, 0}, {6, -6}, {13, -7}, {20, 0}, {0, 0}, {20, 0}, {0, 0}, {0, 0}, {0, 0}},
                     1,
                     2});
    // Quadratic of 3 points: two segments (+6), the first ending at the midpoint (5,10).
    cases.push_back(
        {"QuadraticOfThree",
         NativeRecords().Polygon(Px(0, 0)).QSpline({Px(0, 10), Px(10, 10), Px(10, 0)}).Bytes(),
         {{0, 0},
          {0, -6},
          {1, -10},
          {5, -10},
          {8, -10},
          {10, -7},
          {10, 0},
          {0, 0},
          {10, 0},
          {0, 0},
          {0, 0},
          {0, 0}},
         1,
         3});
    // The mirror image: thirds of negative distances truncate toward zero (-20/3 is -6).
    cases.push_back(
        {"QuadraticTruncatesTowardZero",
         NativeRecords().Polygon(Px(0, 0)).QSpline({Px(0, -10), Px(-10, -10), Px(-10, 0)}).Bytes(),
         {{0, 0},
          {0, 6},
          {-1, 10},
          {-5, 10},
          {-8, 10},
          {-10, 7},
          {-10, 0},
          {0, 0},
          {-10, 0},
          {0, 0},
          {0, 0},
          {0, 0}},
         1,
         3});
    // The midpoint is taken on the raw values, truncated: (-0x10001 + 0) / 2 is -0x8000, which
    // rounds to 0 (a floored midpoint would round to -1).
    cases.push_back(
        {"MidpointOfRawValues",
         NativeRecords().Polygon(Px(0, 0)).QSpline({{-0x10001, Fx(6)}, Px(0, 6), Px(0, 0)}).Bytes(),
         {{0, 0}, {0, -4}, {-1, -6}, {0, -6}, {0, -6}, {0, -4}, {0, 0}, {0, 0}, {0, 0}},
         1,
         2});
    // A cubic record is one segment per 3 points; the line after it starts from its end.
    cases.push_back(
        {"CubicThenLine",
         NativeRecords()
             .Polygon(Px(0, 0))
             .CSpline({Px(0, 10), Px(10, 10), Px(10, 0)})
             .Line({Px(0, 0)})
             .Bytes(),
         {{0, 0}, {0, -10}, {10, -10}, {10, 0}, {0, 0}, {10, 0}, {0, 0}, {0, 0}, {0, 0}},
         1,
         2});
    cases.push_back(
        {"CubicOfTwoSegments",
         NativeRecords()
             .Polygon(Px(0, 0))
             .CSpline({Px(0, 10), Px(10, 10), Px(10, 0), Px(10, -10), Px(0, -10), Px(0, 0)})
             .Bytes(),
         {{0, 0}, {0, -10}, {10, -10}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {0, 0}, {0, 0}},
         1,
         2});
    // 13 points and 2 trailing copies, 4 vertices.
    cases.push_back({"SquareOfFourLinePoints", Square().Bytes(), kSquarePoints, 1, 4});
    // Two contours of 4 and 3 segments: 3(4 + 1) + 3(3 + 1) entries.
    const Points triangle = {{20, 0},   {30, 0}, {20, 0},   {30, 0}, {30, -10}, {30, 0},
                             {30, -10}, {20, 0}, {30, -10}, {20, 0}, {20, 0},   {20, 0}};
    cases.push_back({"TwoContours",
                     Square().Polygon(Px(20, 0)).Line({Px(30, 0), Px(30, 10)}).Bytes(),
                     Concat(kSquarePoints, triangle), 2, 7});
    // 10.5 -> 11, -10.5 -> -10, 2.5 -> 3, -2.5 -> -2, -0.75 -> -1 (then y is turned).
    cases.push_back({"HalvesRoundUp",
                     NativeRecords()
                         .Polygon(Px(10.5, -10.5))
                         .Line({Px(2.5, -2.5), Px(-0.75, 0), Px(10.5, -10.5)})
                         .Bytes(),
                     {{11, 10},
                      {3, 2},
                      {11, 10},
                      {3, 2},
                      {-1, 0},
                      {3, 2},
                      {-1, 0},
                      {11, 10},
                      {-1, 0},
                      {11, 10},
                      {11, 10},
                      {11, 10}},
                     1,
                     3});
    // A polygon without any segment would never close in a reader's walk; it is left out.
    cases.push_back({"PolygonWithoutSegmentsIsSkipped",
                     NativeRecords()
                         .Polygon(Px(5, 5))
                         .Polygon(Px(0, 0))
                         .Line({Px(10, 0), Px(10, 10), Px(0, 10), Px(0, 0)})
                         .Bytes(),
                     kSquarePoints, 1, 4});
    cases.push_back({"Empty", {}, {}, 0, 0});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Native, DecodeTable, testing::ValuesIn(DecodeCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeNativeRecords, BoundsHoldControlPointsAndCopies) {
    GlyphOutline outline;
    DecodeNativeRecords(NativeRecords().Polygon(Px(0, 0)).QSpline({Px(10, 10), Px(20, 0)}).Bytes(),
                        outline);
    ASSERT_TRUE(outline.bounds);
    EXPECT_EQ(*outline.bounds, (Rect{0, -7, 20, 0}));
}

TEST(DecodeNativeRecords, ReplacesThePreviousOutline) {
    GlyphOutline outline;
    DecodeNativeRecords(Square().Polygon(Px(20, 0)).Line({Px(30, 0), Px(30, 10)}).Bytes(), outline);
    DecodeNativeRecords(Square().Bytes(), outline);
    EXPECT_EQ(outline.pointCount, 15);
    EXPECT_EQ(outline.blockCount, 1);
}

// Each malformed tail follows a complete square: decoding stops there, keeps the square and
// still succeeds.
struct MalformedCase {
    const char* name;
    std::vector<std::uint8_t> tail;
};

class MalformedTable : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedTable, StopsAndKeepsCompleteBlocks) {
    std::vector<std::uint8_t> data = Square().Bytes();
    const auto& tail = GetParam().tail;
    data.insert(data.end(), tail.begin(), tail.end());
    GlyphOutline outline;
    const DecodeResult result = DecodeNativeRecords(data, outline);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.stop, DecodeStop::Malformed);
    const Points got(outline.Entries().begin(), outline.Entries().end());
    EXPECT_EQ(Describe(got), Describe(kSquarePoints));
    EXPECT_EQ(outline.blockCount, 1);
    EXPECT_EQ(outline.vertexCount, 4);
}

std::vector<MalformedCase> MalformedCases() {
    auto polygon = [] { return NativeRecords().Polygon(Px(1, 1)); };
    return {
        // cb 0 would never move on.
        {"CbZero", polygon().Line({Px(2, 2)}).ForceCb(0).Bytes()},
        {"CbSmallerThanHeader", polygon().Line({Px(2, 2)}).ForceCb(8).Bytes()},
        {"CbPastTheEnd", polygon().Line({Px(2, 2)}).ForceCb(1000).Bytes()},
        {"CbHuge", polygon().Line({Px(2, 2)}).ForceCb(0xFFFFFFF0u).Bytes()},
        {"CpfxPastThePolygon", polygon().CurveHeader(NativeRecords::kLine, 3).Bytes()},
        {"CpfxPastTheData",
         polygon().CurveHeader(NativeRecords::kLine, 0xFFFF).ForceCb(0x40000).Bytes()},
        {"CurveHeaderCut", polygon().CurveHeader(NativeRecords::kLine, 0).ForceCb(18).Bytes()},
        {"UnknownCurveType", polygon().Curve(7, {Px(2, 2)}).Bytes()},
        {"QuadraticOfOnePoint", polygon().QSpline({Px(2, 2)}).Bytes()},
        {"CubicNotMultipleOfThree",
         polygon().CSpline({Px(2, 2), Px(3, 3), Px(4, 4), Px(5, 5)}).Bytes()},
        {"BadRecordAfterGoodOne", polygon().Line({Px(2, 2)}).Curve(9, {}).Bytes()},
        {"HeaderCut", {0x20, 0, 0, 0, 24, 0, 0, 0, 1, 2}},
        {"NotAPolygon", {16, 0, 0, 0, 25, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0}},
    };
}

INSTANTIATE_TEST_SUITE_P(Native, MalformedTable, testing::ValuesIn(MalformedCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeNativeRecords, FullyMalformedBufferGivesEmptyOutline) {
    for (const std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}, std::uint8_t{0x18}}) {
        SCOPED_TRACE(static_cast<int>(fill));
        const std::vector<std::uint8_t> data(64, fill);
        GlyphOutline outline;
        const DecodeResult result = DecodeNativeRecords(data, outline);
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(outline.pointCount, 0);
        EXPECT_EQ(outline.blockCount, 0);
        EXPECT_FALSE(outline.bounds);
    }
}

TEST(DecodeNativeRecords, IncompleteBlockIsDropped) {
    GlyphOutline outline;
    const auto data = NativeRecords().Polygon(Px(0, 0)).Line({Px(4, 0)}).Curve(9, {}).Bytes();
    const DecodeResult result = DecodeNativeRecords(data, outline);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.stop, DecodeStop::Malformed);
    EXPECT_EQ(outline.pointCount, 0);
}

TEST(PlaceOutline, CentresTheBoundsSize) {
    GlyphOutline outline;
    DecodeNativeRecords(Square().Bytes(), outline); // bounds 0,-10 .. 10,0
    PlaceOutline(outline, 200, 101);
    // dx = 100 - 5, dy = 50 - 5
    ASSERT_TRUE(outline.bounds);
    EXPECT_EQ(*outline.bounds, (Rect{95, 35, 105, 45}));
    EXPECT_EQ(outline.points[0], (OutlinePoint{95, 45}));
    EXPECT_EQ(outline.points[4], (OutlinePoint{105, 35}));
    EXPECT_EQ(outline.points[14], (OutlinePoint{95, 45}));
}

TEST(PlaceOutline, TruncatesHalfSizes) {
    GlyphOutline outline;
    DecodeNativeRecords(NativeRecords().Polygon(Px(-3, 0)).Line({Px(8, 0), Px(8, 7)}).Bytes(),
                        outline); // 11 x 7
    PlaceOutline(outline, 9, 9);
    // dx = 4 - 5, dy = 4 - 3
    EXPECT_EQ(*outline.bounds, (Rect{-4, -6, 7, 1}));
}

TEST(PlaceOutline, LeavesAnEmptyOutlineAlone) {
    GlyphOutline outline;
    PlaceOutline(outline, 640, 480);
    EXPECT_FALSE(outline.bounds);
    EXPECT_EQ(outline.pointCount, 0);
}

TEST(GlyphOutline, EntriesNeverPassTheArray) {
    GlyphOutline outline;
    outline.points = {{1, 1}, {2, 2}, {3, 3}};
    outline.pointCount = 30;
    EXPECT_EQ(outline.Entries().size(), 3u);
    outline.pointCount = -3;
    EXPECT_TRUE(outline.Entries().empty());
    EXPECT_EQ(CountVertices(outline), 0);
}

} // namespace
} // namespace lumina
