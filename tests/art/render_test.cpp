#include "art/render.h"

#include "platform/surface.h"
#include "tests/support/fake_font.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

TEST(RandSeed, SecondPlusSixtyMinutesPlusHour) {
    struct Case {
        int h, m, s;
        unsigned seed;
    } const cases[] = {{10, 0, 5, 15}, {11, 0, 4, 15}, {0, 0, 0, 0}, {23, 59, 59, 3622}};
    for (const auto& c : cases) {
        std::tm t{};
        t.tm_hour = c.h;
        t.tm_min = c.m;
        t.tm_sec = c.s;
        EXPECT_EQ(RandSeed(t), c.seed);
    }
}

TEST(ArtRandom, SameSeedSameAnglesInRange) {
    ArtRandom a(15), b(15), c(16);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const int x = a.Next();
        EXPECT_EQ(x, b.Next());
        EXPECT_GE(x, 0);
        EXPECT_LE(x, 32767);
        differs = differs || x != c.Next();
    }
    EXPECT_TRUE(differs);
    EXPECT_EQ(ArtRandom(1).Next(), 41) << "the classic generator's first value for seed 1";
}

TEST(ElapsedText, MinutesAndSeconds) {
    EXPECT_EQ(ElapsedText(0), "00:00");
    EXPECT_EQ(ElapsedText(7), "00:07");
    EXPECT_EQ(ElapsedText(65), "01:05");
    EXPECT_EQ(ElapsedText(3725), "02:05") << "minutes within the hour";
}

TEST(TurnedOrigin, TurnsAboutTheUnturnedBoxCentre) {
    struct Case {
        int angle;
        Point origin;
    } const cases[] = {
        {0, {101, 51}},   // truncating the radius moves the origin one pixel in
        {90, {101, 65}},  // the top-left corner goes to the bottom left
        {180, {115, 65}}, // ... and to the bottom right
        {270, {115, 51}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TurnedOrigin(100, 50, {16, 16}, c.angle), c.origin) << c.angle;
}

TEST(CompositeGlyph, BlendsCoverageInTheColourAndClips) {
    for (const PixelFormat format : {PixelFormat::Rgb32, PixelFormat::Rgb16}) {
        auto s = Surface::Create(4, 3, format);
        ASSERT_TRUE(s);
        s->FillRect(s->Bounds(), Rgb(255, 255, 255));
        const GlyphImage g{0, 0, 3, 1, {255, 0, 128}};
        CompositeGlyph(*s, {g}, {2, 1}, Rgb(255, 0, 0));
        CompositeGlyph(*s, {g}, {-2, -5}, Rgb(0, 0, 0)); // wholly outside
        CompositeGlyph(*s, {g}, {-2, 0}, Rgb(0, 0, 0));  // third pixel at (0, 0)
        EXPECT_EQ(s->PixelAt({2, 1}), Rgb(255, 0, 0));
        EXPECT_EQ(s->PixelAt({3, 1}), Rgb(255, 255, 255));
        const COLORREF half = s->PixelAt({0, 0});
        EXPECT_NEAR(RedOf(half), 127, 8);
        EXPECT_NEAR(GreenOf(half), 127, 8);
        EXPECT_EQ(s->PixelAt({1, 0}), Rgb(255, 255, 255));
    }
}

class RenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_font = std::make_shared<test::FakeFont>();
        m_font->SetGlyph(0x8260, 2, 2, 4, 12);
        m_layout.cols = 20;
        m_layout.rows = 12;
        m_layout.cellW = 4;
        m_layout.cellH = 3;
        m_layout.drawW = 80;
        m_layout.drawH = 36;
        m_grid.cols = 20;
        m_grid.rows = 12;
        m_grid.cells.assign(240, 0x8260);
        m_grid.colours.assign(240, Rgb(0, 0, 255));
        m_grid.colours[21] = Rgb(0, 255, 0);
    }
    Surface Render(const ArtSettings& settings, std::vector<int>* positions = nullptr) {
        auto s = Surface::Create(80, 36, PixelFormat::Rgb32);
        EXPECT_TRUE(s);
        GlyphCache cache(m_font, nullptr);
        RenderJob job{&m_layout, &m_grid, &settings, &cache, 15, {}, {}};
        if (positions)
            job.progress = [positions](int pos, int upper) {
                EXPECT_EQ(upper, 12);
                positions->push_back(pos);
            };
        RenderArt(*s, job);
        return std::move(*s);
    }
    std::shared_ptr<test::FakeFont> m_font;
    ArtLayout m_layout;
    CellGrid m_grid;
};

TEST_F(RenderTest, ProgressMovesOncePerRowThenBackToZero) {
    std::vector<int> positions;
    Render(ArtSettings{}, &positions);
    const std::vector<int> expected = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0};
    EXPECT_EQ(positions, expected);
}

TEST_F(RenderTest, CellColoursOrMono) {
    ArtSettings s;
    s.BkCol = Rgb(10, 20, 30);
    const Surface colour = Render(s);
    EXPECT_EQ(colour.PixelAt({0, 0}), Rgb(0, 0, 255));
    EXPECT_EQ(colour.PixelAt({1, 1}), Rgb(0, 0, 255));
    EXPECT_EQ(colour.PixelAt({2, 0}), Rgb(10, 20, 30));
    EXPECT_EQ(colour.PixelAt({4, 3}), Rgb(0, 255, 0)) << "cell (1, 1) in its own colour";
    EXPECT_EQ(m_font->renderCalls, 1) << "one glyph image for every cell of the same code";

    s.Mono = 1;
    s.CharCol = Rgb(255, 0, 0);
    m_grid.colours.clear(); // not computed in monochrome
    const Surface mono = Render(s);
    EXPECT_EQ(mono.PixelAt({0, 0}), Rgb(255, 0, 0));
    EXPECT_EQ(mono.PixelAt({4, 3}), Rgb(255, 0, 0));
    EXPECT_EQ(mono.PixelAt({3, 2}), Rgb(10, 20, 30));
}

} // namespace
} // namespace lumina
