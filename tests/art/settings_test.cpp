#include "art/settings.h"

#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

namespace lumina {
namespace {

struct IntKeyCase {
    const char* key;
    int stored;
    int ArtSettings::*field;
    int expected;
};

TEST(LoadArtSettings, ClampsStoredIntegers) {
    const IntKeyCase cases[] = {
        {"FontSize", 100, &ArtSettings::FontSize, 72},
        {"FontSize", 3, &ArtSettings::FontSize, 8},
        {"FontSize", 255, &ArtSettings::FontSize, 72},
        {"FontSize", 5, &ArtSettings::FontSize, 8},
        {"OutW", 100, &ArtSettings::OutW, 500},
        {"OutW", 9999, &ArtSettings::OutW, 5000},
        {"BrightR", 0, &ArtSettings::BrightR, 1},
        {"BrightAll", 12, &ArtSettings::BrightAll, 9},
        {"CharMa", -4, &ArtSettings::CharMa, 0},
        {"LineMa", 31, &ArtSettings::LineMa, 30},
        {"FontDeg", 400, &ArtSettings::FontDeg, 400},
        {"FontDeg", -30, &ArtSettings::FontDeg, -30},
        {"Bold", -1, &ArtSettings::Bold, -1},
        {"UseKanji", 0, &ArtSettings::UseKanji, 0},
        // Hostile numbers: an angle whose tenths overflow, switches beyond -1 and 1 stay on.
        {"FontDeg", INT_MAX, &ArtSettings::FontDeg, INT_MAX / 10},
        {"FontDeg", INT_MIN, &ArtSettings::FontDeg, -(INT_MAX / 10)},
        {"FontSize", INT_MIN, &ArtSettings::FontSize, 8},
        {"OutW", INT_MAX, &ArtSettings::OutW, 5000},
        {"Italic", 5, &ArtSettings::Italic, 1},
        {"Mono", INT_MIN, &ArtSettings::Mono, -1},
        {"UseHira", INT_MAX, &ArtSettings::UseHira, 1},
        {"Tone", 1, &ArtSettings::Tone, 1},
        {"Tone", 3, &ArtSettings::Tone, 2},
        {"Tone", -1, &ArtSettings::Tone, 0},
        {"Dither", 7, &ArtSettings::Dither, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + std::to_string(c.stored));
        test::TestServices services;
        services.Settings().WriteInt("Zoviv", c.key, c.stored);
        const LoadedArtSettings loaded = LoadArtSettings(services.Settings());
        EXPECT_EQ(loaded.settings.*c.field, c.expected);
    }
}

TEST(LoadArtSettings, DefaultsWhenNothingIsStored) {
    test::TestServices services;
    const LoadedArtSettings loaded = LoadArtSettings(services.Settings());
    const ArtSettings& s = loaded.settings;
    EXPECT_EQ(s.FontName, "MS UI Gothic");
    EXPECT_EQ(s.FontSize, 12);
    EXPECT_EQ(s.OutW, 1000);
    EXPECT_EQ(s.CharMa, 10);
    EXPECT_EQ(s.LineMa, 10);
    EXPECT_EQ(s.BrightAll, 5);
    EXPECT_EQ(
        s.UseKigou + s.UseNum + s.UseAlphaU + s.UseAlphaL + s.UseHira + s.UseKata + s.UseKanji, 7);
    EXPECT_EQ(s.CharCol, 0x000000u);
    EXPECT_EQ(s.BkCol, 0xFFFFFFu);
    EXPECT_EQ(s.Mono, 0);
    EXPECT_EQ(s.Rand, 0);
    EXPECT_EQ(ToneModeOf(s), ToneMode::None);
    EXPECT_EQ(s.Dither, 0);
    EXPECT_EQ(loaded.zoom, 0);
    EXPECT_TRUE(loaded.classToggle);
    EXPECT_EQ(loaded.layout, ArtLayout{});
}

TEST(LoadArtSettings, ReadsColoursAsDecimalText) {
    struct Case {
        const char* text;
        COLORREF charCol;
    } const cases[] = {
        {"abc", 0x000000}, {"255", 0x0000FF}, {"16711680xyz", 0xFF0000}, {" +12", 12}, {"", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        test::TestServices services;
        services.Settings().WriteString("Zoviv", "CharCol", c.text);
        services.Settings().WriteString("Zoviv", "BkCol", c.text);
        const auto s = LoadArtSettings(services.Settings()).settings;
        EXPECT_EQ(s.CharCol, c.charCol);
        // An empty background text means white, not black.
        EXPECT_EQ(s.BkCol, *c.text ? c.charCol : 0xFFFFFFu);
    }
}

TEST(LoadArtSettings, ReadsZoomAndWritesNothing) {
    test::TestServices services;
    services.Settings().WriteInt("Zoviv", "Zoom", 4);
    const auto loaded = LoadArtSettings(services.Settings());
    EXPECT_EQ(loaded.zoom, 4);
    EXPECT_FALSE(services.Settings().Contains("Zoviv", "FontSize"));
    EXPECT_FALSE(services.Settings().Contains("Zoviv", "CharCol"));
}

TEST(LoadArtSettings, ZoomIsAtMostEightfoldEitherWay) {
    const struct {
        int stored;
        int zoom;
    } cases[] = {{3, 3}, {-2, -2}, {8, 8}, {9, 8}, {INT_MAX, 8}, {INT_MIN, -8}};
    for (const auto& c : cases) {
        test::TestServices services;
        services.Settings().WriteInt("Zoviv", "Zoom", c.stored);
        EXPECT_EQ(LoadArtSettings(services.Settings()).zoom, c.zoom) << c.stored;
    }
}

TEST(LoadArtSettings, HugeTextsGiveAShortFaceAndASaturatedColour) {
    test::TestServices services;
    services.Settings().WriteString("Zoviv", "FontName", std::string(100000, 'f'));
    services.Settings().WriteString("Zoviv", "BkCol", std::string(100000, '9'));
    const ArtSettings s = LoadArtSettings(services.Settings()).settings;
    EXPECT_EQ(s.FontName, std::string(31, 'f'));
    EXPECT_EQ(s.BkCol, static_cast<COLORREF>(INT32_MAX)) << "a long number saturates";
}

TEST(ArtSettingRows, EveryKeyOnceAndEveryRowSound) {
    std::set<std::string_view> keys;
    for (const SettingKey& k : ZovivSettingKeys()) {
        EXPECT_EQ(k.section, "Zoviv");
        EXPECT_TRUE(keys.insert(k.key).second) << k.key;
    }
    // The 25 fields of ArtSettings, the zoom, the placement and the window's live preview.
    EXPECT_EQ(keys.size(), 25u + 1u + 5u + 1u);
    for (const ArtSettingRow* row : kArtSettingRows) {
        SCOPED_TRACE(row->caption);
        const bool number = row->kind != GridItemKind::Colour;
        const bool text = row->kind == GridItemKind::Font || row->kind == GridItemKind::Colour;
        EXPECT_EQ(!row->number.key.empty(), number);
        EXPECT_EQ(!row->text.key.empty(), text);
        if (number) {
            EXPECT_TRUE(row->number.IsSound());
        }
        if (row->kind == GridItemKind::Spin) {
            EXPECT_TRUE(row->spinMin <= row->spinMax && row->field);
        }
    }
}

TEST(ParseDecimal, BehavesLikeStrtolOnA32BitLong) {
    EXPECT_EQ(ParseDecimal("42"), 42);
    EXPECT_EQ(ParseDecimal("-7x"), -7);
    EXPECT_EQ(ParseDecimal("x7"), 0);
    EXPECT_EQ(ParseDecimal(""), 0);
    EXPECT_EQ(ParseDecimal("99999999999"), 2147483647);
    EXPECT_EQ(ParseDecimal("-99999999999"), -2147483647L - 1);
}

TEST(FormatThousands, GroupsFourToNineDigits) {
    struct Case {
        const char* in;
        const char* out;
    } const cases[] = {
        {"", ""},
        {"0", "0"},
        {"12", "12"},
        {"999", "999"},
        {"1000", "1,000"},
        {"12345", "12,345"},
        {"123456", "123,456"},
        {"1234567", "1,234,567"},
        {"12345678", "12,345,678"},
        {"123456789", "123,456,789"},
        {"1234567890", "1234567890"},
        {"12345678901", "12345678901"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatThousands(std::string_view(c.in)), c.out) << c.in;
    EXPECT_EQ(FormatThousands(5000LL), "5,000");
}

TEST(CutFaceName, KeepsAtMost31BytesOfCodePage932) {
    EXPECT_EQ(CutFaceName("IPAGothic"), "IPAGothic");
    const std::string ascii(40, 'a');
    EXPECT_EQ(CutFaceName(ascii), std::string(31, 'a'));
    // 16 double-byte characters are 32 bytes: the 16th would straddle the limit.
    std::string kana;
    for (int i = 0; i < 16; ++i)
        kana += "ア";
    std::string fifteen;
    for (int i = 0; i < 15; ++i)
        fifteen += "ア";
    EXPECT_EQ(CutFaceName(kana), fifteen);
    EXPECT_EQ(CutFaceName("a" + kana), "a" + fifteen);
}

} // namespace
} // namespace lumina
