#include "art/tone.h"

#include "art/mapping.h"
#include "platform/surface.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

namespace lumina {
namespace {

TEST(Lightness, FollowsCieLabThroughLinearLight) {
    struct Case {
        int r, g, b;
        double lightness;
    } const cases[] = {
        {0, 0, 0, 0.0},     {255, 255, 255, 100.0}, {119, 119, 119, 50.03}, {255, 0, 0, 53.24},
        {0, 255, 0, 87.73}, {0, 0, 255, 32.30},     {1, 1, 1, 0.27},        {128, 128, 128, 53.59},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b));
        EXPECT_NEAR(Lightness(c.r, c.g, c.b), c.lightness, 0.01);
    }
    EXPECT_EQ(DarknessOfLightness(100.0), 0);
    EXPECT_EQ(DarknessOfLightness(0.0), 1000);
    EXPECT_EQ(DarknessOfLightness(53.59), 464);
    EXPECT_EQ(DarknessOfLightness(120.0), 0);
}

std::vector<std::int32_t> Range(int first, int count) {
    std::vector<std::int32_t> values(static_cast<size_t>(count));
    std::iota(values.begin(), values.end(), first);
    return values;
}

TEST(Percentile, NearestRank) {
    struct Case {
        std::vector<std::int32_t> values;
        double percent;
        int expected;
    } const cases[] = {
        {Range(1, 100), 1, 1},
        {Range(1, 100), 99, 99},
        {Range(1, 100), 50, 50},
        {Range(1, 100), 100, 100},
        {Range(1, 100), 99.5, 100},
        {{30, 10, 20}, 1, 10},
        {{30, 10, 20}, 99, 30},
        {{30, 10, 20}, 34, 20},
        {{-5, 1200}, 1, 0},
        {{-5, 1200}, 99, 1000},
        {{}, 50, 0},
        {{7}, 1, 7},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Percentile(cases[i].values, cases[i].percent), cases[i].expected);
    }
}

TEST(StretchTones, SpreadsThePercentileSpanOverTheWholeScale) {
    // 200..299: the 1st percentile is 200 and the 99th 298.
    std::vector<std::int32_t> values = Range(200, 100);
    StretchTones(values);
    struct Case {
        size_t index;
        int expected;
    } const cases[] = {{0, 0}, {98, 1000}, {99, 1000}, {49, 500}, {1, 10}};
    for (const auto& c : cases)
        EXPECT_EQ(values[c.index], c.expected) << "from " << 200 + c.index;

    std::vector<std::int32_t> flat(50, 420);
    StretchTones(flat);
    EXPECT_EQ(flat, std::vector<std::int32_t>(50, 420)) << "a flat picture keeps its tone";
}

TEST(EqualizeTones, KnownHistograms) {
    struct Case {
        std::vector<std::int32_t> values;
        std::vector<std::int32_t> expected;
    } const cases[] = {
        // Two light, two mid, four dark: the cumulative counts 2, 4, 8 become 0, 1/3, 1.
        {{0, 0, 500, 500, 1000, 1000, 1000, 1000}, {0, 0, 333, 333, 1000, 1000, 1000, 1000}},
        // Evenly used values keep even steps wherever they lie.
        {{100, 400, 410, 420}, {0, 333, 667, 1000}},
        // A crowded light end is spread out, a sparse dark tail pulled in.
        {{50, 50, 50, 60, 60, 60, 900}, {0, 0, 0, 750, 750, 750, 1000}},
        {{300, 300, 300}, {300, 300, 300}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        std::vector<std::int32_t> values = cases[i].values;
        EqualizeTones(values);
        EXPECT_EQ(values, cases[i].expected);
    }
}

// A picture of four grey bands, each one piece wide: a low-contrast picture, all light greys.
Surface Bands(std::initializer_list<int> greys, int range, PixelFormat format) {
    auto s = Surface::Create(range * static_cast<int>(greys.size()), range, format);
    EXPECT_TRUE(s);
    int x0 = 0;
    for (const int g : greys) {
        s->FillRect({x0, 0, x0 + range, range}, Rgb(g, g, g));
        x0 += range;
    }
    return std::move(*s);
}

ArtLayout BandLayout(int cols, int range) {
    ArtLayout l;
    l.cols = cols;
    l.rows = 1;
    l.range = range;
    return l;
}

TEST(ApplyTone, MeasuresLightnessAndMapsItOntoTheWholeRange) {
    for (const PixelFormat format : {PixelFormat::Rgb32, PixelFormat::Rgb16}) {
        SCOPED_TRACE(format == PixelFormat::Rgb32 ? "32 bits" : "16 bits");
        const Surface picture = Bands({255, 230, 205, 180}, 3, format);
        const ArtLayout layout = BandLayout(4, 3);
        CellGrid grid{4, 1, {1, 2, 3, 4}, {}};
        ApplyTone(picture, layout, ToneMode::None, grid);
        EXPECT_EQ(grid.cells, (std::vector<std::int32_t>{1, 2, 3, 4})) << "as sampled";

        std::vector<std::int32_t> lightness;
        SampleLightness(picture, layout, lightness);
        EXPECT_EQ(lightness[0], 0);
        EXPECT_NEAR(lightness[3], DarknessOfLightness(Lightness(180, 180, 180)), 8);

        ApplyTone(picture, layout, ToneMode::Stretch, grid);
        EXPECT_EQ(grid.cells.front(), 0);
        EXPECT_EQ(grid.cells.back(), 1000);
        EXPECT_TRUE(std::is_sorted(grid.cells.begin(), grid.cells.end()));
        ApplyTone(picture, layout, ToneMode::Equalize, grid);
        EXPECT_EQ(grid.cells, (std::vector<std::int32_t>{0, 333, 667, 1000}));
    }
}

// The point of the tone modes: a light, low-contrast picture is drawn with the palette's whole
// range, where the product of the channels uses only the lightest characters.
TEST(ApplyTone, LowContrastPictureUsesEveryCharacterWhenStretched) {
    const Surface picture = Bands({250, 235, 220, 205}, 2, PixelFormat::Rgb32);
    const ArtLayout layout = BandLayout(4, 2);
    CharPalette palette;
    palette.entries = {{0x8140, 40}, {0x8141, 60}, {0x8142, 80}, {0x8143, 100}};
    const auto charactersUsed = [&](ToneMode mode) {
        ArtSettings s;
        s.Tone = static_cast<int>(mode);
        CellGrid grid;
        EXPECT_TRUE(SamplePicture(picture, layout, s, grid));
        ApplyTone(picture, layout, mode, grid);
        MapCells(palette, grid, MappingOptionsOf(s));
        return std::set<std::int32_t>(grid.cells.begin(), grid.cells.end()).size();
    };
    EXPECT_LE(charactersUsed(ToneMode::None), 2u);
    EXPECT_EQ(charactersUsed(ToneMode::Stretch), 4u);
    EXPECT_EQ(charactersUsed(ToneMode::Equalize), 4u);
}

} // namespace
} // namespace lumina
