#include "art/mapping.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace lumina
