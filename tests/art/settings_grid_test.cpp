#include "art/settings_grid.h"

#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace lumina {
namespace {

// The grid as text, one line a group title or an item: caption | kind | value | spin range |
// options | description (line breaks as \n).
std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == '\n' ? std::string("\\n") : std::string(1, c);
    return out;
}

const char* KindName(GridItemKind kind) {
    switch (kind) {
    case GridItemKind::ReadOnly:
        return "read-only";
    case GridItemKind::Font:
        return "font";
    case GridItemKind::Boolean:
        return "boolean";
    case GridItemKind::Spin:
        return "spin";
    case GridItemKind::Choice:
        return "choice";
    case GridItemKind::Colour:
        return "colour";
    }
    return "?";
}

std::string Dump(const SettingsGridModel& grid) {
    std::string out;
    for (const auto& g : grid.groups) {
        out += "[" + g.title + "]" + (g.expanded ? "" : " folded") + "\n";
        for (const auto& item : g.items) {
            out += item.caption + " | " + KindName(item.kind) + " | " + item.value;
            if (item.kind == GridItemKind::Spin)
                out += " | " + std::to_string(item.spinMin) + ".." + std::to_string(item.spinMax);
            for (const auto& option : item.options)
                out += " | " + option;
            out += " | " + Escaped(item.description) + "\n";
        }
    }
    return out;
}

std::string FixtureText(const std::string& name) {
    std::ifstream in(test::TestDataPath("art/" + name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class GridTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_picture = {"/pics/cat.png", 1234, 56, 2048 * 1024 + 5};
        Rebuild();
    }
    void Rebuild() { ASSERT_TRUE(BuildSettingsGrid(m_grid, m_s, m_picture, m_layout, m_toggle)); }
    GridItem& Item(std::string_view group, std::string_view caption) {
        GridItem* item = m_grid.FindItem(group, caption);
        EXPECT_NE(item, nullptr) << caption;
        static GridItem none;
        return item ? *item : none;
    }
    GridItem& ClassItem(std::string_view caption) { return Item(m_grid.groups[2].title, caption); }
    void Apply() { ApplySettingsGrid(m_grid, m_s, m_services.Settings()); }
    bool Stored(std::string_view key) { return m_services.Settings().Contains("Zoviv", key); }
    int StoredInt(std::string_view key) { return m_services.Settings().ReadInt("Zoviv", key, 999); }

    test::TestServices m_services;
    ArtSettings m_s;
    PictureFacts m_picture;
    ArtLayout m_layout;
    bool m_toggle = true;
    SettingsGridModel m_grid;
};

TEST_F(GridTest, BuildsSixGroupsInOrder) {
    ASSERT_EQ(m_grid.groups.size(), 6u);
    EXPECT_EQ(m_grid.groups[0].title, "原本イメージ(確認用)");
    EXPECT_EQ(m_grid.groups[1].title, "フォント設定");
    EXPECT_EQ(m_grid.groups[2].title, "出力文字種  (すべて「する」にする)");
    EXPECT_EQ(m_grid.groups[3].title, "その他の出力設定");
    EXPECT_EQ(m_grid.groups[4].title, "階調設定");
    EXPECT_EQ(m_grid.groups[5].title, "出力結果(確認用)");
    for (const auto& g : m_grid.groups)
        EXPECT_TRUE(g.expanded);
    EXPECT_EQ(m_grid.groups[2].items.size(), 7u);
    EXPECT_EQ(m_grid.groups[3].items.size(), 11u);
    EXPECT_EQ(m_grid.groups[4].items.size(), 2u);
}

// The whole grid, word for word, as the window has always shown it: with the defaults, and with
// every setting changed, a layout and the class toggle's other title.
TEST_F(GridTest, ShowsEveryGroupItemValueAndDescriptionAsBefore) {
    EXPECT_EQ(Dump(m_grid), FixtureText("settings_grid_defaults.txt"));
    ArtSettings changed = m_s;
    changed.FontName = "IPAGothic";
    changed.FontSize = 20;
    changed.Bold = -1;
    changed.Italic = 1;
    changed.FontDeg = 400;
    changed.UseKigou = changed.UseAlphaU = changed.UseHira = changed.UseKanji = 0;
    changed.CharMa = 0;
    changed.LineMa = 30;
    changed.BrightAll = 1;
    changed.BrightR = 9;
    changed.BrightG = 2;
    changed.BrightB = 8;
    changed.Mono = 1;
    changed.CharCol = 0x0000FF;
    changed.BkCol = 0x123456;
    changed.Rand = -1;
    changed.OutW = 5000;
    changed.Tone = 2;
    changed.Dither = -1;
    const ArtLayout layout{750, 960, 768, 64, 48, 1234, 15, 16};
    ASSERT_TRUE(BuildSettingsGrid(m_grid, changed, m_picture, layout, false));
    EXPECT_EQ(Dump(m_grid), FixtureText("settings_grid_changed.txt"));
}

TEST_F(GridTest, EverySettingItemKnowsItsRow) {
    for (const auto& g : m_grid.groups) {
        for (const auto& item : g.items) {
            const bool shown = g.title == kGroupPicture || g.title == kGroupResult;
            ASSERT_EQ(item.row == nullptr, shown) << item.caption;
            if (item.row) {
                EXPECT_EQ(item.row->caption, item.caption);
            }
        }
    }
}

TEST_F(GridTest, ShowsPictureFactsWithSeparators) {
    EXPECT_EQ(Item(kGroupPicture, "パス").value, "/pics/cat.png");
    EXPECT_EQ(Item(kGroupPicture, "大きさ").value, "1,234×56");
    EXPECT_EQ(Item(kGroupPicture, "サイズ").value, "2,048");
    EXPECT_EQ(Item(kGroupFont, "フォント").value, "MS UI Gothic(12)");
    EXPECT_EQ(Item(kGroupOutput, "カラー").value, "カラー");
    EXPECT_EQ(Item(kGroupOutput, "背景色").value, "16777215");
    EXPECT_EQ(ClassItem("記号").description,
              "出力文字に記号を使用するかどうかを指定します。\nタイトルの「出力文字種」をクリッ"
              "クすると一度に「する」「しない」を変更することができます。");
}

TEST_F(GridTest, ResultGroupIsEmptyBeforeTheFirstRunAndRangeHasNoSeparators) {
    for (const auto& item : m_grid.FindGroup(kGroupResult)->items)
        EXPECT_EQ(item.value, "") << item.caption;
    m_layout = {750, 960, 768, 64, 48, 1234, 15, 16};
    m_s.OutW = 1000;
    Rebuild();
    EXPECT_EQ(Item(kGroupResult, "出力サイズ").value, "1,000×750");
    EXPECT_EQ(Item(kGroupResult, "描画サイズ").value, "960×768");
    EXPECT_EQ(Item(kGroupResult, "文字数").value, "64×48");
    EXPECT_EQ(Item(kGroupResult, "1文字の範囲").value, "1234");
    EXPECT_EQ(Item(kGroupResult, "1文字の大きさ").value, "15×16");
}

TEST_F(GridTest, ApplyingAnUntouchedGridWritesOnlyTheBooleanForms) {
    Apply();
    // Nothing but the grid's own boolean form (-1) differs from the loaded 1s of the classes.
    EXPECT_FALSE(Stored("FontName"));
    EXPECT_FALSE(Stored("OutW"));
    EXPECT_FALSE(Stored("Bold"));
    EXPECT_FALSE(Stored("CharCol"));
    EXPECT_EQ(StoredInt("UseKigou"), 1);
    EXPECT_EQ(m_s.UseKigou, -1);
    m_services.Settings().WriteInt("Zoviv", "UseKigou", 5);
    Apply();
    EXPECT_EQ(StoredInt("UseKigou"), 5) << "an unchanged value is not written again";
}

TEST_F(GridTest, FontItemParsing) {
    struct Case {
        const char* text;
        const char* face;
        int size;
        bool written;
    } const cases[] = {
        {"IPAGothic(20)", "IPAGothic", 20, true},
        {"IPAGothic(80)", "IPAGothic", 72, true},
        {"IPAGothic(3)", "IPAGothic", 8, true},
        {"Face (Bold)(14)", "Face (Bold)", 14, true},
        {"IPAGothic(x)", "IPAGothic", 8, true},
        {"IPAGothic 20", "MS UI Gothic", 12, false},
        {"IPAGothic(20", "MS UI Gothic", 12, false},
        {"MS UI Gothic(12)", "MS UI Gothic", 12, false},
        {"ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰ(9)", "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯ", 9, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        test::TestServices services;
        ArtSettings s;
        Item(kGroupFont, "フォント").value = c.text;
        ApplySettingsGrid(m_grid, s, services.Settings());
        EXPECT_EQ(s.FontName, c.face);
        EXPECT_EQ(s.FontSize, c.size);
        EXPECT_EQ(services.Settings().Contains("Zoviv", "FontName"), c.written);
        EXPECT_EQ(services.Settings().Contains("Zoviv", "FontSize"), c.written);
        if (c.written) {
            EXPECT_EQ(services.Settings().ReadString("Zoviv", "FontName", ""), c.face);
            EXPECT_EQ(services.Settings().ReadInt("Zoviv", "FontSize", 0), c.size);
        }
    }
}

TEST_F(GridTest, BooleansApplyAsMinusOneAndClassesAreWrittenAsOneOrZero) {
    Item(kGroupFont, "太字").value = "する";
    ClassItem("記号").value = "しない";
    Item(kGroupOutput, "ランダム").value = "する";
    Apply();
    EXPECT_EQ(m_s.Bold, -1);
    EXPECT_EQ(StoredInt("Bold"), -1);
    EXPECT_EQ(m_s.UseKigou, 0);
    EXPECT_EQ(StoredInt("UseKigou"), 0);
    EXPECT_EQ(m_s.Rand, -1);
    EXPECT_EQ(StoredInt("Rand"), 1);
    ClassItem("記号").value = "する";
    Apply();
    EXPECT_EQ(StoredInt("UseKigou"), 1);
    Item(kGroupFont, "太字").value = "しない";
    Apply();
    EXPECT_EQ(StoredInt("Bold"), 0);
}

TEST_F(GridTest, IntegersAreClampedButTheAngleIsNot) {
    struct Case {
        const char* caption;
        const char* text;
        const char* key;
        int expected;
    } const cases[] = {
        {"出力幅", "6000", "OutW", 5000}, {"出力幅", "abc", "OutW", 500},
        {"字間", "-3", "CharMa", 0},      {"行間", "31", "LineMa", 30},
        {"明るさ", "0", "BrightAll", 1},  {"色相(赤)", "9", "BrightR", 9},
        {"色相(緑)", "12", "BrightG", 9}, {"色相(青)", "2", "BrightB", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.caption) + " " + c.text);
        test::TestServices services;
        ArtSettings s;
        Rebuild();
        Item(kGroupOutput, c.caption).value = c.text;
        ApplySettingsGrid(m_grid, s, services.Settings());
        EXPECT_EQ(services.Settings().ReadInt("Zoviv", c.key, 999), c.expected);
    }
    Item(kGroupFont, "角度").value = "-30";
    Apply();
    EXPECT_EQ(m_s.FontDeg, -30);
    EXPECT_EQ(StoredInt("FontDeg"), -30);
}

TEST_F(GridTest, MonoAndColoursApply) {
    Item(kGroupOutput, "カラー").value = "モノクロ";
    Item(kGroupOutput, "文字色").value = std::to_string(0x0000FF);
    Apply();
    EXPECT_EQ(m_s.Mono, 1);
    EXPECT_EQ(StoredInt("Mono"), 1);
    EXPECT_EQ(m_s.CharCol, 0x0000FFu);
    EXPECT_EQ(m_services.Settings().ReadString("Zoviv", "CharCol", ""), "255");
    EXPECT_FALSE(Stored("BkCol"));
    Item(kGroupOutput, "カラー").value = "モノクロ ";
    Apply();
    EXPECT_EQ(m_s.Mono, 0) << "only the exact word means monochrome";
}

// The tone has three choices: each reads back as its number, anything else as the first; a
// stored number outside them shows as the nearest.
TEST_F(GridTest, ToneChoicesAndDitherApply) {
    EXPECT_EQ(Item(kGroupTone, "階調補正").value, "なし");
    EXPECT_EQ(Item(kGroupTone, "階調補正").options,
              (std::vector<std::string>{"なし", "伸張", "平坦化"}));
    EXPECT_EQ(Item(kGroupTone, "誤差拡散").value, "しない");
    struct Case {
        const char* text;
        int tone;
    } const cases[] = {{"伸張", 1}, {"平坦化", 2}, {"なし", 0}, {"平坦", 0}, {"", 0}};
    int written = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const int before = m_s.Tone;
        Item(kGroupTone, "階調補正").value = c.text;
        Apply();
        EXPECT_EQ(m_s.Tone, c.tone);
        EXPECT_EQ(ToneModeOf(m_s), static_cast<ToneMode>(c.tone));
        if (c.tone != before) {
            ++written;
            EXPECT_EQ(StoredInt("Tone"), c.tone);
        }
    }
    EXPECT_EQ(written, 3);

    Item(kGroupTone, "誤差拡散").value = "する";
    Apply();
    EXPECT_EQ(StoredInt("Dither"), 1);
    EXPECT_NE(m_s.Dither, 0);

    m_services.Settings().WriteInt("Zoviv", "Tone", 7);
    m_s = LoadArtSettings(m_services.Settings()).settings;
    EXPECT_EQ(m_s.Tone, 2);
    Rebuild();
    EXPECT_EQ(Item(kGroupTone, "階調補正").value, "平坦化");
}

TEST_F(GridTest, ItemsOfOtherGroupsAndUnknownCaptionsAreSkipped) {
    m_grid.FindGroup(kGroupResult)
        ->items.push_back(GridItem{"出力幅", GridItemKind::Spin, "700", "", 0, 0, {}});
    m_grid.groups.push_back(
        GridGroup{"その他", true, {GridItem{"出力幅", GridItemKind::Spin, "800", "", 0, 0, {}}}});
    Apply();
    EXPECT_EQ(m_s.OutW, 1000);
}

TEST_F(GridTest, TwoTitleClicksSetAllClassesOnThenOff) {
    for (const auto& info : kCharClasses)
        ClassItem(info.caption).value = "しない";
    ClassItem("漢字").value = "する";
    EXPECT_FALSE(ToggleAllClasses(m_grid, 1, m_toggle));
    EXPECT_FALSE(ToggleAllClasses(m_grid, 99, m_toggle));
    EXPECT_TRUE(m_toggle);

    ASSERT_TRUE(ToggleAllClasses(m_grid, 2, m_toggle));
    EXPECT_FALSE(m_toggle);
    EXPECT_EQ(m_grid.groups[2].title, "出力文字種  (すべて「しない」にする)");
    for (const auto& item : m_grid.groups[2].items)
        EXPECT_EQ(item.value, "する");

    ASSERT_TRUE(ToggleAllClasses(m_grid, 2, m_toggle));
    EXPECT_TRUE(m_toggle);
    EXPECT_EQ(m_grid.groups[2].title, "出力文字種  (すべて「する」にする)");
    for (const auto& item : m_grid.groups[2].items)
        EXPECT_EQ(item.value, "しない");
    EXPECT_FALSE(Stored("UseKanji")) << "nothing is written until the next run";

    Apply();
    EXPECT_EQ(StoredInt("UseKanji"), 0) << "the renamed group is still the class group";
}

TEST_F(GridTest, ClassGroupIsRecognisedByItsFirstTenBytes) {
    EXPECT_TRUE(IsClassGroupTitle("出力文字種"));
    EXPECT_TRUE(IsClassGroupTitle("出力文字種xyz"));
    EXPECT_FALSE(IsClassGroupTitle("出力文字"));
    EXPECT_FALSE(IsClassGroupTitle("出力結果(確認用)"));
}

TEST_F(GridTest, GroupStatesRoundTripUnderTheCurrentTitles) {
    m_grid.FindGroup(kGroupResult)->expanded = false;
    SaveGroupStates(m_grid, m_services.Settings());
    EXPECT_EQ(m_services.Settings().ReadInt("Prop", "出力結果(確認用)", 9), 0);
    EXPECT_EQ(m_services.Settings().ReadInt("Prop", "フォント設定", 9), 1);
    m_services.Settings().WriteInt("Prop", "フォント設定", 7);
    Rebuild();
    RestoreGroupStates(m_grid, m_services.Settings());
    EXPECT_FALSE(m_grid.FindGroup(kGroupResult)->expanded);
    EXPECT_TRUE(m_grid.groups[1].expanded) << "values other than 0 and 1 leave it as built";

    m_grid.groups[2].expanded = false;
    ToggleAllClasses(m_grid, 2, m_toggle);
    SaveGroupStates(m_grid, m_services.Settings());
    EXPECT_EQ(m_services.Settings().ReadInt("Prop", "出力文字種  (すべて「しない」にする)", 9), 0);
    EXPECT_EQ(m_services.Settings().ReadInt("Prop", "出力文字種  (すべて「する」にする)", 9), 1);
}

} // namespace
} // namespace lumina
