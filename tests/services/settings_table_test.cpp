#include "services/settings_table.h"

#include "services/placement_settings.h"
#include "services/settings_store.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>

namespace lumina {
namespace {

constexpr IntSetting kRange{"S", "Range", 10, -5, 100};
constexpr IntSetting kMode{"S", "Mode", 1, 1, 3, 3};

class SettingsTableTest : public ::testing::Test {
protected:
    // A store whose file holds the given [S] lines; a new file each time, since the settings
    // library may keep a file it has read when its size and time have not changed.
    SettingsStore& StoreWith(const std::string& lines) {
        const std::string ini = m_dir.File("table" + std::to_string(++m_files) + ".ini");
        std::ofstream(ini) << "[S]\n" << lines;
        m_store.emplace(ini);
        return *m_store;
    }

    test::TempDir m_dir;
    int m_files = 0;
    std::optional<SettingsStore> m_store;
};

TEST_F(SettingsTableTest, IntegersReadHeldToTheirRange) {
    struct Case {
        const char* line; // "" leaves the key absent
        const IntSetting& row;
        int expected;
    } const cases[] = {
        {"", kRange, 10},
        {"Range=42\n", kRange, 42},
        {"Range=-5\n", kRange, -5},
        {"Range=100\n", kRange, 100},
        {"Range=-6\n", kRange, -5},
        {"Range=101\n", kRange, 100},
        {"Range=-2147483648\n", kRange, -5},
        {"Range=2147483647\n", kRange, 100},
        // What is not a 32-bit number reads as absent.
        {"Range=\n", kRange, 10},
        {"Range=abc\n", kRange, 10},
        {"Range=12abc\n", kRange, 10},
        {"Range=99999999999\n", kRange, 10},
        // A row with an `outside` value reads every unknown number as that value.
        {"", kMode, 1},
        {"Mode=2\n", kMode, 2},
        {"Mode=0\n", kMode, 3},
        {"Mode=4\n", kMode, 3},
        {"Mode=-2147483648\n", kMode, 3},
        {"Mode=x\n", kMode, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.row.key) + ": " + c.line);
        EXPECT_EQ(c.row.Read(StoreWith(c.line)), c.expected);
    }
}

TEST_F(SettingsTableTest, RuntimeDefaultStandsInOnlyForAnAbsentValue) {
    EXPECT_EQ(kRange.Read(StoreWith(""), 64), 64);
    EXPECT_EQ(kRange.Read(StoreWith(""), 500), 100) << "the runtime default is held to the range";
    EXPECT_EQ(kRange.Read(StoreWith("Range=abc\n"), 64), 64);
    EXPECT_EQ(kRange.Read(StoreWith("Range=7\n"), 64), 7);
    EXPECT_EQ(kRange.Read(StoreWith("Range=900\n"), 64), 100);
}

TEST_F(SettingsTableTest, WritesAreHeldToTheRangeToo) {
    SettingsStore& store = StoreWith("");
    const struct {
        const IntSetting& row;
        int written;
        int stored;
    } cases[] = {
        {kRange, 50, 50}, {kRange, 5000, 100}, {kRange, -9, -5}, {kMode, 2, 2}, {kMode, 9, 3},
    };
    for (const auto& c : cases) {
        c.row.Write(store, c.written);
        EXPECT_EQ(store.ReadInt("S", c.row.key, -99), c.stored) << c.row.key << " " << c.written;
    }
}

TEST_F(SettingsTableTest, StoredOutOfRangeTellsWhatTheReadChanged) {
    EXPECT_FALSE(kRange.StoredOutOfRange(StoreWith("")));
    EXPECT_FALSE(kRange.StoredOutOfRange(StoreWith("Range=100\n")));
    EXPECT_FALSE(kRange.StoredOutOfRange(StoreWith("Range=abc\n")));
    EXPECT_TRUE(kRange.StoredOutOfRange(StoreWith("Range=101\n")));
    EXPECT_TRUE(kMode.StoredOutOfRange(StoreWith("Mode=0\n")));
}

TEST_F(SettingsTableTest, SwitchesAreOnForAnyNumberButZero) {
    constexpr BoolSetting on{"S", "On", true};
    constexpr BoolSetting off{"S", "Off", false};
    struct Case {
        const char* lines;
        bool on;
        bool off;
    } const cases[] = {
        {"", true, false},
        {"On=0\nOff=0\n", false, false},
        {"On=1\nOff=1\n", true, true},
        {"On=-1\nOff=-2147483648\n", true, true},
        {"On=x\nOff=\n", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        SettingsStore& store = StoreWith(c.lines);
        EXPECT_EQ(on.Read(store), c.on);
        EXPECT_EQ(off.Read(store), c.off);
    }
    SettingsStore& store = StoreWith("");
    off.Write(store, true);
    on.Write(store, false);
    EXPECT_EQ(store.ReadInt("S", "Off", -9), 1);
    EXPECT_EQ(store.ReadInt("S", "On", -9), 0);
}

TEST_F(SettingsTableTest, TextsAreCutAtACharacterBoundary) {
    constexpr StringSetting row{"S", "Text", "def", 6};
    struct Case {
        const char* lines;
        const char* expected;
    } const cases[] = {
        {"", "def"},
        {"Text=\n", ""},
        {"Text=abcdef\n", "abcdef"},
        {"Text=abcdefgh\n", "abcdef"},
        {"Text=あいう\n", "あい"}, // three bytes each: six fit exactly
        {"Text=aあいう\n", "aあ"}, // the second kana would straddle the limit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        EXPECT_EQ(row.Read(StoreWith(c.lines)), c.expected);
    }
    SettingsStore& store = StoreWith("");
    row.Write(store, "漢字漢字");
    EXPECT_EQ(store.ReadString("S", "Text", ""), "漢字");
}

TEST(CutUtf8, NeverSplitsACharacter) {
    EXPECT_EQ(CutUtf8("", 3), "");
    EXPECT_EQ(CutUtf8("abc", 3), "abc");
    EXPECT_EQ(CutUtf8("abcd", 3), "abc");
    EXPECT_EQ(CutUtf8("あ", 2), "");
    EXPECT_EQ(CutUtf8("aé", 2), "a");
    EXPECT_EQ(CutUtf8("😀x", 4), "😀");
}

TEST(PlacementRows, EverySectionHasTheSameSoundKeys) {
    constexpr PlacementSettings rows = PlacementRows("Sec");
    for (const IntSetting& row : rows.Rows()) {
        EXPECT_EQ(row.section, "Sec") << row.key;
        EXPECT_TRUE(row.IsSound()) << row.key;
    }
    EXPECT_EQ(rows.SX.defaultValue, 640);
    EXPECT_EQ(rows.SY.defaultValue, 480);
    EXPECT_EQ(rows.Zoomed.Clamp(5), 0) << "only 1 means maximised";
    EXPECT_FALSE((IntSetting{"S", "K", 5, 0, 3}.IsSound()));
    EXPECT_FALSE((IntSetting{"S", "K", 1, 0, 3, 7}.IsSound()));
}

} // namespace
} // namespace lumina
