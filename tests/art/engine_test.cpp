#include "art/engine.h"

#include "platform/surface.h"
#include "services/messages.h"
#include "tests/support/fake_font.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>

namespace lumina {
namespace {

// A picture with a dark disc on a light gradient.
Surface TestPicture(int w, int h, PixelFormat format = PixelFormat::Rgb32) {
    auto s = Surface::Create(w, h, format);
    EXPECT_TRUE(s);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int dx = x - w / 2, dy = y - h / 2;
            const bool disc = dx * dx + dy * dy < (h / 3) * (h / 3);
            const int v = disc ? 40 : 160 + 95 * x / w;
            s->SetPixel({x, y}, Rgb(v, disc ? 60 : v, v));
        }
    }
    return std::move(*s);
}

// The message a run stopped with; nullopt when it completed.
std::optional<MessageId> StopOf(const Status& status) {
    if (status)
        return std::nullopt;
    return status.problem().id;
}

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_engine.LoadSettings();
        m_engine.SetPicture(&m_picture, PictureFacts{"/pics/disc.png", 640, 480, 50000});
        ASSERT_TRUE(m_engine.BuildGrid());
    }
    std::unique_ptr<test::TestServices> m_services = test::MakeServicesWithFonts();
    ArtEngine m_engine{m_services->Get(), &m_services->Settings()};
    Surface m_picture = TestPicture(640, 480);
};

TEST_F(EngineTest, RunDrawsTheArtAndRefreshesTheGrid) {
    int firstLayout = 0;
    int lastPosition = -1, rowsSeen = 0;
    ArtRunHooks hooks;
    hooks.firstLayout = [&] { ++firstLayout; };
    hooks.progress = [&](int pos, int upper) {
        lastPosition = pos;
        rowsSeen = upper;
    };
    ASSERT_TRUE(m_engine.Run(hooks).ok());
    const ArtLayout& l = m_engine.Layout();
    const ArtFontMetrics& fm = m_engine.FontMetrics();
    EXPECT_EQ(l.cellH, fm.tmAscent + fm.tmDescent);
    EXPECT_EQ(l.drawW, l.cols * l.cellW);
    EXPECT_EQ(l.drawH, l.rows * l.cellH);
    EXPECT_EQ(l.outH, 750);
    EXPECT_EQ(firstLayout, 1);
    EXPECT_EQ(lastPosition, 0);
    EXPECT_EQ(rowsSeen, l.rows);
    ASSERT_NE(m_engine.ArtSurface(), nullptr);
    EXPECT_EQ(m_engine.ArtSurface()->Width(), l.drawW);
    EXPECT_EQ(m_engine.ArtSurface()->Height(), l.drawH);
    EXPECT_EQ(m_engine.Palette().count(), 3303);
    EXPECT_EQ(m_engine.ElapsedLabel().size(), 5u);

    const CompletedArt* art = m_engine.LastCompleted();
    ASSERT_NE(art, nullptr);
    EXPECT_EQ(art->layout, l);
    ASSERT_EQ(art->grid.cells.size(), static_cast<size_t>(l.cols * l.rows));
    std::set<std::int32_t> codes(art->grid.cells.begin(), art->grid.cells.end());
    EXPECT_GT(codes.size(), 3u) << "light and dark parts get different characters";
    // The disc (dark) and the light corner differ in ink on the art.
    const std::int32_t corner = art->grid.cells[0];
    const std::int32_t centre =
        art->grid.cells[static_cast<size_t>(l.rows / 2) * l.cols + l.cols / 2];
    EXPECT_NE(corner, centre);

    const GridItem* count = m_engine.Grid().FindItem(kGroupResult, "文字数");
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->value, std::to_string(l.cols) + "×" + std::to_string(l.rows));
    EXPECT_TRUE(m_services->Settings().Contains("Prop", "出力結果(確認用)"));

    ASSERT_TRUE(m_engine.Run(hooks).ok());
    EXPECT_EQ(firstLayout, 1) << "only the first run that lays out a grid";
}

TEST_F(EngineTest, StoppedRunKeepsTheLastCompletedArt) {
    ASSERT_TRUE(m_engine.Run().ok());
    const CompletedArt before = *m_engine.LastCompleted();
    // Everything off, and a different size so that a new layout is made.
    for (const auto& info : kCharClasses)
        m_engine.Grid().FindItem(m_engine.Grid().groups[2].title, info.caption)->value = "しない";
    m_engine.Grid().FindItem(kGroupOutput, "出力幅")->value = "2000";
    EXPECT_EQ(StopOf(m_engine.Run()), kMsgNoClasses);
    EXPECT_NE(m_engine.Layout(), before.layout) << "the new geometry is left in place";
    const CompletedArt* after = m_engine.LastCompleted();
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->layout, before.layout);
    EXPECT_EQ(after->grid.cells, before.grid.cells);
    EXPECT_EQ(after->art, before.art);
    EXPECT_NE(m_engine.ArtSurface(), before.art.get()) << "a new blank surface is shown";
    EXPECT_EQ(m_services->Settings().ReadInt("Zoviv", "OutW", 0), 2000)
        << "the grid was applied even though the run stopped";
    EXPECT_EQ(m_engine.Grid().FindItem(kGroupResult, "文字数")->value,
              std::to_string(before.layout.cols) + "×" + std::to_string(before.layout.rows))
        << "the grid is not rebuilt by a stopped run";
}

// A run told to stop gives up after the row it was told in, or at the very end: nothing of it
// becomes the completed art, and the grid is not rebuilt.
TEST_F(EngineTest, StopGivesTheRunUpAndKeepsTheCompletedArt) {
    ASSERT_TRUE(m_engine.Run().ok());
    const CompletedArt before = *m_engine.LastCompleted();
    const int rows = before.layout.rows;
    for (const int stopAt : {2, rows + 1}) {
        SCOPED_TRACE(stopAt);
        int asked = 0, rowsDrawn = 0;
        ArtRunHooks hooks;
        hooks.progress = [&](int position, int) { rowsDrawn = std::max(rowsDrawn, position); };
        hooks.stop = [&] { return ++asked == stopAt; };
        // Typed with a leading zero: a rebuilt grid would show it without.
        const std::string typed = "0" + std::to_string(stopAt % 9 + 1);
        m_engine.Grid().FindItem(kGroupOutput, "明るさ")->value = typed;
        EXPECT_FALSE(m_engine.Run(hooks).ok());
        EXPECT_EQ(asked, stopAt);
        EXPECT_EQ(rowsDrawn, std::min(stopAt, rows));
        EXPECT_EQ(m_engine.LastCompleted()->art, before.art);
        EXPECT_EQ(m_engine.LastCompleted()->grid.cells, before.grid.cells);
        EXPECT_EQ(m_engine.Grid().FindItem(kGroupOutput, "明るさ")->value, typed);
    }
}

TEST_F(EngineTest, SameSettingsSameArtAndThePaletteFollowsTheClasses) {
    ASSERT_TRUE(m_engine.Run().ok());
    const CellGrid first = m_engine.LastCompleted()->grid;
    ASSERT_TRUE(m_engine.Run().ok());
    EXPECT_EQ(m_engine.LastCompleted()->grid.cells, first.cells);

    const std::string classTitle = m_engine.Grid().groups[2].title;
    for (const auto& info : kCharClasses)
        m_engine.Grid().FindItem(classTitle, info.caption)->value =
            info.cls == CharClass::Num ? "する" : "しない";
    ASSERT_TRUE(m_engine.Run().ok());
    EXPECT_EQ(m_engine.Palette().count(), 10);
    for (const std::int32_t code : m_engine.LastCompleted()->grid.cells) {
        EXPECT_GE(code, 0x824F);
        EXPECT_LE(code, 0x8258);
    }
}

// A run told not to draw chooses the same characters, for every tone mode, and holds no surface.
TEST_F(EngineTest, ARunThatDoesNotDrawChoosesTheSameCharacters) {
    for (const ToneMode tone : {ToneMode::None, ToneMode::Stretch, ToneMode::Equalize}) {
        SCOPED_TRACE(static_cast<int>(tone));
        m_engine.Settings().Tone = static_cast<int>(tone);
        m_engine.DrawArt(true);
        ASSERT_TRUE(m_engine.Run({}, false).ok());
        const CellGrid drawn = m_engine.LastCompleted()->grid;
        m_engine.DrawArt(false);
        ASSERT_TRUE(m_engine.Run({}, false).ok());
        EXPECT_EQ(m_engine.LastCompleted()->grid.cells, drawn.cells);
        EXPECT_EQ(m_engine.LastCompleted()->art, nullptr);
    }
}

TEST_F(EngineTest, SixteenBitPictureAndMonoRandomRun) {
    Surface picture = TestPicture(320, 240, PixelFormat::Rgb16);
    m_engine.SetPicture(&picture, PictureFacts{"/pics/p.bmp", 320, 240, 1});
    m_engine.Settings().Mono = 1;
    m_engine.Settings().Rand = 1;
    m_engine.Settings().CharCol = Rgb(255, 0, 0);
    ASSERT_TRUE(m_engine.Run({}, false).ok());
    const Surface* art = m_engine.ArtSurface();
    ASSERT_NE(art, nullptr);
    bool red = false;
    for (int y = 0; y < art->Height() && !red; ++y)
        for (int x = 0; x < art->Width() && !red; ++x)
            red = art->PixelAt({x, y}) == Rgb(255, 0, 0);
    EXPECT_TRUE(red);
}

TEST(EngineFailures, ColumnCheck) {
    struct Case {
        int aveWidth;
        int charMa;
        int outW;
        std::optional<MessageId> stop;
    } const cases[] = {
        {100, 10, 500, kMsgTooFewColumns}, // cellW 200: two columns
        {5, 0, 1000, kMsgTooFewColumns},   // cellW 0
        {6, 10, 500, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.aveWidth);
        auto font = std::make_shared<test::FakeFont>(10, 2, c.aveWidth);
        font->SetGlyph(0x8260, 4, 4, 16, 12);
        test::TestServices services(std::make_unique<test::OneFontSystem>(font));
        Surface picture = TestPicture(64, 48);
        ArtEngine engine(services.Get());
        engine.SetPicture(&picture, PictureFacts{"/p.png", 64, 48, 1});
        engine.Settings().CharMa = c.charMa;
        engine.Settings().OutW = c.outW;
        int firstLayout = 0;
        ArtRunHooks hooks;
        hooks.firstLayout = [&] { ++firstLayout; };
        const Status status = engine.Run(hooks, false);
        EXPECT_EQ(StopOf(status), c.stop);
        const bool stopped = c.stop.has_value();
        if (stopped) {
            EXPECT_EQ(status.problem().icon, MsgIcon::Information);
        }
        EXPECT_EQ(firstLayout, stopped ? 0 : 1);
        EXPECT_EQ(engine.ArtSurface() == nullptr, stopped);
        EXPECT_EQ(engine.LastCompleted() == nullptr, stopped);
    }
}

TEST(EngineFailures, NoFontIsReported) {
    test::TestServices bare; // no fonts at all
    Surface picture = TestPicture(64, 48);
    ArtEngine engine(bare.Get());
    engine.SetPicture(&picture, PictureFacts{"/p.png", 64, 48, 1});
    const Status status = engine.Run({}, false);
    EXPECT_EQ(StopOf(status), kMsgFontFailed);
    EXPECT_EQ(status.problem().icon, MsgIcon::Error);
    // The batch tool's line says which face could not be made.
    EXPECT_EQ(status.problem().detail, "no font can be made of 'MS UI Gothic'");
    EXPECT_EQ(engine.LastCompleted(), nullptr);
}

} // namespace
} // namespace lumina
