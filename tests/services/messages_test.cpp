#include "services/messages.h"

#include "services/common.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

TEST(MessageTable, HoldsEveryIdTheProgramShows) {
    const struct {
        int id;
        const char* text;
    } cases[] = {
        {30001, "メモリの確保に失敗しました"},
        {30005, "１文字入力してください"},
        {30006, "\"外周\"が空欄ですが、\"0\"でよろしいですか"},
        {30012, "正常に保存しました\n保存場所を表示しますか"},
        {30016, "ファイルのオープンに失敗しました"},
        {30018, "制御点も出力しますか\n※ 「いいえ」のときは、折点のみを出力します"},
        {30019, "出力する水平方向の文字数が２以下です。\nフォントサイズを小さくするか、出力幅を広く"
                "してください"},
        {30080, "3の倍数+1 でないブロックがあります"},
        {30173, "実行ファイルと同じ場所にＰＤＦファイルがありません"},
        {30174, "Manual"},
        {101, "バージョン情報(&A)"},
        {30203, "Ver. 1.03 2022.11.14 Windows 11対応"},
    };
    for (const auto& c : cases) {
        ASSERT_NE(MessageText(c.id), nullptr) << c.id;
        EXPECT_STREQ(MessageText(c.id), c.text) << c.id;
    }
    for (int id : {30002, 30003, 30010, 30011, 30013, 30015, 30017, 30020, 30021, 30022, 30029,
                   30048, 30064, 30066, 30067, 30068, 30079, 30082, 30200, 30201, 30202})
        EXPECT_NE(MessageText(id), nullptr) << id;
    EXPECT_EQ(MessageText(2), nullptr);
    EXPECT_EQ(MessageText(30004), nullptr);
}

TEST(ShowMessageById, PutsThePrefixBeforeTheTextUnderTheApplicationName) {
    test::TestServices services;
    int owner = 0;
    services.Prompter().QueueAnswer(kIdOk);
    const int result = ShowMessageById(services, &owner, "/data/a.txt\n", kMsgOpenFailed, kErrorOk);
    EXPECT_EQ(result, kIdOk);
    ASSERT_EQ(services.Prompter().Messages().size(), 1u);
    const MessageRequest& box = services.Prompter().Messages()[0];
    EXPECT_EQ(box.text, "/data/a.txt\nファイルのオープンに失敗しました");
    EXPECT_EQ(box.caption, "lumina-graph");
    EXPECT_EQ(box.style, kErrorOk);
    EXPECT_EQ(box.owner, &owner);
}

TEST(ShowMessageById, ReturnsTheButtonPressedAndZeroForAnUnknownId) {
    test::TestServices services;
    services.Prompter().QueueAnswer(kIdNo);
    EXPECT_EQ(ShowMessageById(services, nullptr, "", kMsgOverwrite, kQuestionYesNo), kIdNo);
    EXPECT_EQ(ShowMessageById(services, nullptr, "x", 4242, kInfoOk), kIdNone);
    EXPECT_EQ(services.Prompter().Messages().size(), 1u);
}

TEST(PointDistance, TruncatesTowardZero) {
    const struct {
        Point a, b;
        int distance;
    } cases[] = {
        {{0, 0}, {3, 4}, 5},
        {{0, 0}, {1, 1}, 1},
        {{0, 0}, {-2, 2}, 2},
        {{10, 10}, {13, 14}, 5},
        {{5, 5}, {5, 5}, 0},
        {{0, 0}, {0, -7}, 7},
        {{-30000, 0}, {30000, 0}, 60000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PointDistance(c.a, c.b), c.distance) << c.b.x << "," << c.b.y;
}

TEST(ShowInExplorer, OpensTheFolderOfTheSavedFile) {
    test::TestServices services;
    EXPECT_TRUE(ShowInExplorer(services, "/out/glyphs/glyph.txt"));
    EXPECT_TRUE(ShowInExplorer(services, "/top.txt"));
    ASSERT_EQ(services.Prompter().OpenedFolders().size(), 2u);
    EXPECT_EQ(services.Prompter().OpenedFolders()[0], "/out/glyphs");
    EXPECT_EQ(services.Prompter().OpenedFolders()[1], "/");
    EXPECT_TRUE(services.Prompter().Messages().empty());
}

TEST(ShowInExplorer, ReportsAFileManagerThatCannotStart) {
    test::TestServices services;
    services.Prompter().SetOpenFolderResult(false);
    EXPECT_FALSE(ShowInExplorer(services, "/out/glyph.txt"));
    ASSERT_EQ(services.Prompter().Messages().size(), 1u);
    EXPECT_EQ(services.Prompter().Messages()[0].text, "エクスプローラの起動に失敗しました");
    EXPECT_EQ(services.Prompter().Messages()[0].style, kErrorOk);
}

} // namespace
} // namespace lumina
