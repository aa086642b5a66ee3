#include "art/mapping.h"

#include <gtest/gtest.h>

#include <set>

namespace lumina {
namespace {

CharPalette Palette(std::initializer_list<int> densities) {
    CharPalette p;
    std::uint32_t code = 0x8260;
    for (const int d : densities)
        p.entries.push_back({code++, d});
    return p;
}

TEST(MapDarkness, ThresholdShiftedByBrightAll) {
    struct Case {
        int brightAll;
        int darkness;
        std::uint32_t code;
    } const cases[] = {
        {5, 250, 0x8261},  {9, 250, 0x8262}, {1, 250, 0x8261}, {5, 0, 0x8260},
        {5, 1001, 0x8262}, {9, 990, 0x8262}, {1, 60, 0x8260},  {5, 1000, 0x8262},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.brightAll) + "/" + std::to_string(c.darkness));
        CharPalette p = Palette({0, 100, 400});
        CellGrid grid{1, 1, {c.darkness}, {}};
        MapDarkness(p, grid, c.brightAll);
        EXPECT_EQ(static_cast<std::uint32_t>(grid.cells[0]), c.code);
        EXPECT_EQ(p.entries[1].density, 100) << "the measured palette is left alone";
        EXPECT_EQ(p.entries[2].density, 400);
    }
}

TEST(MapDarkness, EqualDensitiesGiveTheLightestEntry) {
    CharPalette p = Palette({37, 37, 37});
    CellGrid grid{3, 1, {0, 500, 1000}, {}};
    MapDarkness(p, grid, 5);
    for (const auto& e : p.entries)
        EXPECT_EQ(e.density, 37);
    for (const int cell : grid.cells)
        EXPECT_EQ(cell, 0x8260);
}

TEST(PickEntry, MatchesTheLinearScan) {
    CharPalette p = Palette({0, 0, 10, 10, 10, 500, 501, 1000});
    for (int t = -200; t <= 1200; ++t) {
        int expected = p.count() - 1;
        for (int i = 0; i < p.count(); ++i) {
            if (p.entries[i].density >= t) {
                expected = i;
                break;
            }
        }
        ASSERT_EQ(PickEntry(p, t), expected) << t;
    }
}

TEST(PickNearest, ClosestDensityTheDarkerOnATieTheFirstOfEqualOnes) {
    const CharPalette p = Palette({0, 0, 10, 10, 10, 500, 501, 1000});
    struct Case {
        int wanted;
        int index;
    } const cases[] = {{-50, 0}, {0, 0},   {4, 0},   {5, 2},   {6, 2},   {255, 5},
                       {254, 2}, {500, 5}, {501, 6}, {750, 6}, {751, 7}, {2000, 7}};
    for (const auto& c : cases)
        EXPECT_EQ(PickNearest(p, c.wanted), c.index) << c.wanted;
}

TEST(RunnerUp, TheNearestDensityOnTheOtherSide) {
    const CharPalette p = Palette({0, 0, 10, 10, 10, 500, 501, 1000});
    struct Case {
        int wanted;
        int chosen;
        int runnerUp;
    } const cases[] = {
        {7, 2, 0},    // wanted lies below the chosen: the lighter neighbour, first of its density
        {7, 0, 2},    // and above it: the darker neighbour
        {10, 2, 0},   // on it: the closer neighbour, 0 (10 away) before 500 (490 away)
        {-5, 0, 2},   // nothing lighter than the lightest: the next density up
        {2000, 7, 6}, // nothing darker than the darkest: the next density down
        {500, 5, 6},  // on it, 501 is closer than 10
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunnerUp(p, c.wanted, c.chosen), c.runnerUp) << c.wanted << " " << c.chosen;
    EXPECT_EQ(RunnerUp(Palette({5, 5, 5}), 300, 0), -1) << "one density leaves no other choice";
}

// Palette densities 0, 100, 400 normalise to 0, 250, 1000.
TEST(MapCells, SaysWhyEveryCellGotItsCharacter) {
    struct Case {
        bool nearest;
        int darkness;
        CellChoice why;
    } const cases[] = {
        {false, 250, {250, 0x8261, 250, 0x8260, 0, true}},
        {false, 600, {600, 0x8262, 1000, 0x8261, 250, true}},
        {true, 600, {600, 0x8261, 250, 0x8262, 1000, true}},
        {false, -20, {-20, 0x8260, 0, 0x8261, 250, true}},
        {true, 1100, {1100, 0x8262, 1000, 0x8261, 250, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.darkness) + (c.nearest ? " nearest" : ""));
        CellGrid grid{1, 1, {c.darkness}, {}};
        std::vector<CellChoice> choices;
        MapCells(Palette({0, 100, 400}), grid, {5, c.nearest, false}, &choices);
        ASSERT_EQ(choices.size(), 1u);
        EXPECT_EQ(choices[0], c.why);
        EXPECT_EQ(static_cast<std::uint32_t>(grid.cells[0]), c.why.code);
    }
    std::vector<CellChoice> choices;
    CellGrid grid{2, 1, {100, 900}, {}};
    MapCells(Palette({3, 3}), grid, {}, &choices);
    EXPECT_FALSE(choices[1].hasRunnerUp);
    EXPECT_EQ(choices[1].code, 0x8260u);
}

// Error diffusion over a flat grey area: the characters chosen average to the grey, where
// picking the nearest alone gives one character everywhere.
TEST(MapCells, ErrorDiffusionKeepsTheToneOfAFlatArea) {
    const CharPalette p = Palette({0, 10, 20, 30}); // normalised 0, 333, 666, 1000
    const auto meanDensity = [&](const CellGrid& grid) {
        double sum = 0;
        for (const std::int32_t code : grid.cells)
            sum += (code - 0x8260) * 1000.0 / 3.0;
        return sum / static_cast<double>(grid.cells.size());
    };
    for (const int grey : {100, 250, 500, 580, 900}) {
        SCOPED_TRACE(grey);
        CellGrid dithered{12, 12, std::vector<std::int32_t>(144, grey), {}};
        MapCells(p, dithered, {5, true, true});
        EXPECT_NEAR(meanDensity(dithered), grey, 12.0);
        CellGrid plain = {12, 12, std::vector<std::int32_t>(144, grey), {}};
        MapCells(p, plain, {5, true, false});
        EXPECT_EQ(std::set<std::int32_t>(plain.cells.begin(), plain.cells.end()).size(), 1u);
    }
    // BrightAll still shifts what is wanted, and the error never runs beyond the palette.
    CellGrid dark{12, 12, std::vector<std::int32_t>(144, 900), {}};
    MapCells(p, dark, {9, true, true});
    EXPECT_NEAR(meanDensity(dark), 1000.0, 1.0);
    CellGrid light{12, 12, std::vector<std::int32_t>(144, 100), {}};
    MapCells(p, light, {1, true, true});
    EXPECT_NEAR(meanDensity(light), 0.0, 1.0);
}

TEST(MappingOptionsOf, TheArtsOwnChoiceUntilATonemodeOrDitherIsOn) {
    ArtSettings s;
    s.BrightAll = 7;
    MappingOptions o = MappingOptionsOf(s);
    EXPECT_EQ(o.brightAll, 7);
    EXPECT_FALSE(o.nearest);
    EXPECT_FALSE(o.dither);
    s.Tone = 1;
    EXPECT_TRUE(MappingOptionsOf(s).nearest);
    s.Tone = 0;
    s.Dither = -1;
    o = MappingOptionsOf(s);
    EXPECT_TRUE(o.nearest && o.dither);
}

} // namespace
} // namespace lumina
