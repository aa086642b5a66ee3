#include "platform/glyph_compositor.h"

#include "platform/surface.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace lumina {
namespace {

constexpr COLORREF kWhite = Rgb(255, 255, 255);

Surface White(int w, int h, PixelFormat format) {
    auto s = Surface::Create(w, h, format);
    EXPECT_TRUE(s.has_value());
    s->FillRect(s->Bounds(), kWhite);
    return std::move(*s);
}

std::set<std::pair<int, int>> Ink(const Surface& s) {
    std::set<std::pair<int, int>> ink;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.PixelAt({x, y}) != kWhite)
                ink.insert({x, y});
    return ink;
}

TEST(CompositeGlyphs, ClipsToTheSurfaceAndTheClip) {
    const GlyphImage square{1, 0, 2, 2, {255, 255, 255, 255}}; // placed one right of its origin
    struct Case {
        Point origin;
        std::optional<Rect> clip;
        std::set<std::pair<int, int>> ink;
    } const cases[] = {
        {{0, 0}, std::nullopt, {{1, 0}, {2, 0}, {1, 1}, {2, 1}}},
        {{2, 2}, std::nullopt, {{3, 2}}},   // right and bottom edges
        {{-2, -1}, std::nullopt, {{0, 0}}}, // left and top edges
        {{0, 0}, Rect{2, 1, 10, 10}, {{2, 1}}},
        {{0, 0}, Rect{3, 0, 10, 10}, {}},
        {{-5, 0}, std::nullopt, {}},
    };
    for (const PixelFormat format : {PixelFormat::Rgb32, PixelFormat::Rgb16}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.origin.x << "," << c.origin.y);
            Surface s = White(4, 3, format);
            CompositeGlyphs(s, {&square, 1}, c.origin, Rgb(0, 0, 255), Widening::Expanded, c.clip);
            EXPECT_EQ(Ink(s), c.ink);
        }
    }
}

TEST(CompositeGlyphs, BlendsEdgesAndLeavesOutImagesWithoutTheirCoverage) {
    const std::vector<GlyphImage> images{
        {0, 0, 3, 1, {255, 128, 0}},
        {0, 1, 3, 1, {255, 255}}, // two coverage bytes for three pixels: left out
    };
    for (const PixelFormat format : {PixelFormat::Rgb32, PixelFormat::Rgb16}) {
        Surface s = White(3, 2, format);
        CompositeGlyphs(s, images, {0, 0}, Rgb(0, 0, 0));
        EXPECT_EQ(s.PixelAt({0, 0}), Rgb(0, 0, 0));
        EXPECT_EQ(s.PixelAt({1, 0}), DecodePixel(format, EncodePixel(format, Rgb(127, 127, 127))));
        EXPECT_EQ(Ink(s), (std::set<std::pair<int, int>>{{0, 0}, {1, 0}}));
    }
}

TEST(CompositeGlyphs, EachCallerKeepsItsWideningOn16BitSurfaces) {
    const GlyphImage quarter{0, 0, 1, 1, {64}};
    const auto drawn = [&](PixelFormat format, Widening under) {
        Surface s = White(1, 1, format);
        s.SetPixel({0, 0}, Rgb(107, 0, 0)); // red field 13 at 16 bits
        CompositeGlyphs(s, {&quarter, 1}, {0, 0}, Rgb(0, 0, 0), under);
        return s.PixelAt({0, 0});
    };
    EXPECT_EQ(drawn(PixelFormat::Rgb16, Widening::Expanded), Rgb(Expand5(10), 0, 0));
    EXPECT_EQ(drawn(PixelFormat::Rgb16, Widening::Scaled), Rgb(Expand5(9), 0, 0));
    EXPECT_EQ(drawn(PixelFormat::Rgb32, Widening::Expanded), Rgb(80, 0, 0));
    EXPECT_EQ(drawn(PixelFormat::Rgb32, Widening::Scaled), Rgb(80, 0, 0));
}

} // namespace
} // namespace lumina
