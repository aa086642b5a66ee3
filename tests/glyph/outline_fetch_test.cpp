#include "glyph/outline.h"

#include "glyph/view_observer.h"
#include "platform/surface.h"
#include "tests/glyph/native_records.h"
#include "tests/support/fake_font.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <memory>

namespace lumina {
namespace {

using test::NativeRecords;
using test::Px;

std::vector<std::uint8_t> SquareRecords() {
    return NativeRecords().Polygon(Px(0, 0)).Line({Px(10, 0), Px(10, 10), Px(0, 10)}).Bytes();
}

GlyphMetrics SomeMetrics() {
    GlyphMetrics m;
    m.gmBlackBoxX = 10;
    m.gmBlackBoxY = 11;
    m.gmptGlyphOrigin = {1, 12};
    m.gmCellIncX = 14;
    m.gmCellIncY = -2;
    return m;
}

class DecodeNativeOutlineTest : public testing::Test {
protected:
    DecodeNativeOutlineTest() { m_surface.SelectFont(m_font); }

    Result<DecodeStop> Decode() {
        return DecodeNativeOutline(m_surface, 0x82A0, m_outline, m_metrics, m_observer);
    }

    std::shared_ptr<test::FakeFont> m_font = std::make_shared<test::FakeFont>();
    Surface m_surface = *Surface::Create(32, 32, PixelFormat::Rgb32);
    GlyphOutline m_outline;
    GlyphMetrics m_metrics;
    RecordingGlyphObserver m_observer;
};

TEST_F(DecodeNativeOutlineTest, DecodesAndReportsTheGlyphMetrics) {
    m_font->Set(GlyphFormat::Native, GlyphData{SomeMetrics(), SquareRecords()});
    const auto decoded = Decode();
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, DecodeStop::None);
    EXPECT_EQ(m_outline.blockCount, 1);
    EXPECT_EQ(m_outline.pointCount, 15);
    EXPECT_EQ(m_outline.vertexCount, 4);
    EXPECT_EQ(m_metrics.gmBlackBoxY, 11u);
    EXPECT_EQ(m_metrics.gmCellIncY, -2);
    ASSERT_TRUE(m_observer.hasGlyphMetrics);
    EXPECT_EQ(m_observer.glyphMetrics.gmptGlyphOrigin, (Point{1, 12}));
}

struct FailureCase {
    const char* name;
    std::optional<GlyphData> data;
    const char* message; // nullptr: none
};

TEST_F(DecodeNativeOutlineTest, FailuresAreRefusalsWithTheirMessageAndLeaveNoOutline) {
    const FailureCase cases[] = {
        {"refused", std::nullopt, "アウトラインを取得できません"},
        {"no outline (a space)", GlyphData{SomeMetrics(), {}}, "描画する折点がありません"},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_font->Set(GlyphFormat::Native, GlyphData{SomeMetrics(), SquareRecords()});
        ASSERT_TRUE(Decode());
        m_observer = RecordingGlyphObserver();

        m_font->Set(GlyphFormat::Native, c.data);
        const auto decoded = Decode();
        ASSERT_FALSE(decoded);
        EXPECT_EQ(m_outline.pointCount, 0);
        EXPECT_FALSE(m_outline.bounds);
        EXPECT_FALSE(m_observer.hasGlyphMetrics);
        EXPECT_EQ(test::ProblemText(decoded.problem()), c.message);
        EXPECT_EQ(decoded.problem().icon, MsgIcon::Information);
    }
}

TEST_F(DecodeNativeOutlineTest, NoFontIsARefusal) {
    m_surface.SelectFont(nullptr);
    const auto decoded = Decode();
    ASSERT_FALSE(decoded);
    EXPECT_EQ(test::ProblemText(decoded.problem()), "アウトラインを取得できません");
}

TEST_F(DecodeNativeOutlineTest, NoMemoryFailsWithoutMessage) {
    m_font->ThrowNoMemory(true);
    const auto decoded = Decode();
    ASSERT_FALSE(decoded);
    EXPECT_EQ(decoded.problem().id, kMsgNone);
}

TEST_F(DecodeNativeOutlineTest, MalformedTailKeepsEarlierBlocksQuietly) {
    auto bytes = SquareRecords();
    bytes.insert(bytes.end(), {0xFF, 0xFF, 0xFF, 0xFF, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    m_font->Set(GlyphFormat::Native, GlyphData{SomeMetrics(), bytes});
    const auto decoded = Decode();
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, DecodeStop::Malformed);
    EXPECT_FALSE(StopNote(*decoded)); // nothing for the window to say
    EXPECT_EQ(m_outline.blockCount, 1);
}

TEST(StopNote, OnlyTheBlockChecksHaveAMessage) {
    const struct {
        DecodeStop stop;
        std::optional<MessageId> id;
    } cases[] = {
        {DecodeStop::None, std::nullopt},
        {DecodeStop::Malformed, std::nullopt},
        {DecodeStop::BlockNotClosed, kMsgBlockNotClosed},
        {DecodeStop::BlockNot3n1, kMsgBlockNot3n1},
    };
    for (const auto& c : cases) {
        const std::optional<Problem> note = StopNote(c.stop);
        EXPECT_EQ(note ? std::optional(note->id) : std::nullopt, c.id);
        if (note) {
            EXPECT_EQ(note->icon, MsgIcon::Information);
        }
    }
}

} // namespace
} // namespace lumina
