#include "glyph/last_settings.h"

#include "services/settings_store.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

namespace lumina {
namespace {

constexpr Size kView{740, 580};

TEST(LastSettings, NothingStoredGivesTheDefaultsAndTheViewCentre) {
    test::TestServices services;
    const GlyphViewState state = LoadGlyphViewState(services.Settings(), kView);
    const GlyphViewState defaults;
    EXPECT_EQ(state.request.Char, "あ");
    EXPECT_EQ(state.request.SjisCode, 33440);
    EXPECT_EQ(state.request.FontName, defaults.request.FontName);
    EXPECT_EQ(state.request.FontSize, 300);
    EXPECT_EQ(state.request.FontDeg, 0);
    EXPECT_EQ(state.request.FontBold, 0);
    EXPECT_EQ(state.mode, DisplayMode::Outline);
    EXPECT_EQ(state.OrgX, 370);
    EXPECT_EQ(state.OrgY, 290);
    EXPECT_EQ(state.RoundR, 100);
    for (const auto& sw : ViewOptions::Switches())
        EXPECT_TRUE(state.options.*sw.member) << sw.key;
    // Every study switch off: the pictures as they have always been.
    EXPECT_FALSE(state.study.ChangesOutline());
    EXPECT_TRUE(state.request.hinted);
    EXPECT_FALSE(state.faces.Any());
}

TEST(LastSettings, TypesettingSwitchesLoadAndAComparisonNeedsItsFace) {
    const struct {
        int on;
        const char* face;
        bool comparing;
    } cases[] = {{1, "IPAMincho", true}, {1, "", false}, {0, "IPAMincho", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.face);
        test::TestServices services;
        SettingsStore& store = services.Settings();
        store.WriteInt("Last", "DspCompare", c.on);
        store.WriteString("Last", "CompareFont", c.face);
        store.WriteInt("Last", "CompareBold", 1);
        store.WriteInt("Last", "DspFrames", 1);
        store.WriteInt("Last", "DspVertical", 1);
        const GlyphViewState state = LoadGlyphViewState(store, kView);
        EXPECT_EQ(state.faces.Comparing(), c.comparing);
        EXPECT_EQ(state.faces.compareFace, (CompareFace{c.face, true, false}));
        EXPECT_TRUE(state.faces.frames && state.faces.vertical);
    }
}

TEST(LastSettings, StudySwitchesLoadAndHintingSetsTheRequest) {
    const struct {
        int hinting;
        bool hinted;
        bool compare;
    } hintings[] = {{0, true, false}, {1, false, false}, {2, true, true}, {7, true, false}};
    for (const auto& h : hintings) {
        SCOPED_TRACE(h.hinting);
        test::TestServices services;
        SettingsStore& store = services.Settings();
        store.WriteInt("Last", "Hinting", h.hinting);
        store.WriteInt("Last", "DspCurve", 1);
        store.WriteInt("Last", "DspFontPt", 1);
        store.WriteInt("Last", "DspNoSpread", 1);
        store.WriteInt("Last", "Zoom", 100);
        store.WriteInt("Last", "PanX", -5);
        store.WriteInt("Last", "PanY", INT_MIN);
        const GlyphViewState state = LoadGlyphViewState(store, kView);
        EXPECT_EQ(state.request.hinted, h.hinted);
        EXPECT_EQ(state.study.compareHinting, h.compare);
        EXPECT_TRUE(state.study.curves && state.study.fontPoints && state.study.spreadNumbers);
        EXPECT_EQ(state.study.zoom, kMaxZoom);
        EXPECT_EQ(state.study.pan, (Point{-5, -kMaxPan}));
    }
}

TEST(LastSettings, StoredNumbersAreHeldToTheirRanges) {
    struct Case {
        const char* key;
        int stored;
        int GlyphViewState::*field;      // where the number lands: in the state,
        int GlyphRequest::*requestField; // or, when field is nullptr, in its request
        int expected;
    } const cases[] = {
        // The drawing of the advance legs must never see an origin that overflows.
        {"OrgY", INT_MIN, &GlyphViewState::OrgY, nullptr, 0},
        {"OrgX", INT_MAX, &GlyphViewState::OrgX, nullptr, kMaxScreenCoordinate},
        {"OrgX", 12, &GlyphViewState::OrgX, nullptr, 12},
        {"RoundR", 29, &GlyphViewState::RoundR, nullptr, 30},
        {"RoundR", 2000000000, &GlyphViewState::RoundR, nullptr, 400},
        {"FontSize", 0, nullptr, &GlyphRequest::FontSize, 1},
        {"FontSize", 1000, nullptr, &GlyphRequest::FontSize, 1000},
        {"FontDeg", -40, nullptr, &GlyphRequest::FontDeg, 0},
        {"FontDeg", 360, nullptr, &GlyphRequest::FontDeg, 360},
        {"FontDeg", INT_MAX, nullptr, &GlyphRequest::FontDeg, 360},
        // A code the character field can give (below 0x20 too) loads as it is.
        {"SJIS-Code", 9, nullptr, &GlyphRequest::SjisCode, 9},
        {"SJIS-Code", -1, nullptr, &GlyphRequest::SjisCode, 0},
        {"SJIS-Code", INT_MAX, nullptr, &GlyphRequest::SjisCode, 0xFFFF},
        {"FontBold", -7, nullptr, &GlyphRequest::FontBold, 1},
        {"FontItalic", 0, nullptr, &GlyphRequest::FontItalic, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + std::to_string(c.stored));
        test::TestServices services;
        services.Settings().WriteInt("Last", c.key, c.stored);
        const GlyphViewState state = LoadGlyphViewState(services.Settings(), kView);
        EXPECT_EQ(c.field ? state.*c.field : state.request.*c.requestField, c.expected);
    }
}

TEST(LastSettings, AnyStoredModeButOutlineAndBitmapShowsTheDrawing) {
    const struct {
        int stored;
        DisplayMode mode;
    } cases[] = {
        {1, DisplayMode::Outline},  {2, DisplayMode::Bitmap},        {3, DisplayMode::Drawing},
        {0, DisplayMode::Drawing},  {4, DisplayMode::Drawing},       {-1, DisplayMode::Drawing},
        {77, DisplayMode::Drawing}, {INT_MIN, DisplayMode::Drawing},
    };
    for (const auto& c : cases) {
        test::TestServices services;
        services.Settings().WriteInt("Last", "DspMode", c.stored);
        EXPECT_EQ(LoadGlyphViewState(services.Settings(), kView).mode, c.mode) << c.stored;
    }
}

TEST(LastSettings, SwitchesAreOffOnlyForZeroAndTextsAreCut) {
    test::TestServices services;
    SettingsStore& store = services.Settings();
    store.WriteInt("Last", "DspPos", 0);
    store.WriteInt("Last", "DspNo", -1);
    store.WriteString("Last", "DspCenter", "off");
    store.WriteString("Last", "Char", std::string(100000, 'x'));
    const GlyphViewState state = LoadGlyphViewState(store, kView);
    EXPECT_FALSE(state.options.DspPos);
    EXPECT_TRUE(state.options.DspNo);
    EXPECT_TRUE(state.options.DspCenter) << "text is no number: the default";
    EXPECT_EQ(state.request.Char, std::string(16, 'x'));
}

TEST(LastSettings, TheUnicodeKeyBringsBackACharacterWithoutACode) {
    const struct {
        const char* unicode;
        const char* text; // under "Char"
        std::optional<Character> expected;
    } cases[] = {
        {"U+20B9F", "𠮟", Character{0x20B9F}},
        {"U+845B + U+E0100", "葛\U000E0100", Character{0x845B, 0xE0100}},
        {"U+301C", "〜", Character{0x301C}},
        // "Char" written since by a program that knows only the code page 932 keys.
        {"U+20B9F", "漢", std::nullopt},
        {"U+845B + U+E0100", "葛", std::nullopt},
        // A character with a code is SJIS-Code's; nonsense is ignored.
        {"U+6F22", "漢", std::nullopt},
        {"U+0000", "", std::nullopt},
        {"𠮟𠮟", "𠮟𠮟", std::nullopt},
        {"", "あ", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unicode);
        test::TestServices services;
        services.Settings().WriteString("Last", "Char", c.text);
        services.Settings().WriteInt("Last", "SJIS-Code", 35519);
        services.Settings().WriteString("Last", "Unicode", c.unicode);
        const GlyphRequest request = LoadGlyphViewState(services.Settings(), kView).request;
        EXPECT_EQ(request.Unicode, c.expected);
        EXPECT_EQ(request.Char, c.text);
        EXPECT_EQ(request.Key(), c.expected
                                     ? GlyphKey::Char(c.expected->scalar, c.expected->selector)
                                     : GlyphKey::Char(0x6F22));
    }
}

TEST(LastSettings, TheUnicodeKeyIsWrittenOnlyOnceACharacterNeedsIt) {
    test::TestServices services;
    SettingsStore& store = services.Settings();
    GlyphRequest request;
    WriteUnicodeKey(store, request);
    EXPECT_FALSE(store.Contains("Last", "Unicode")) << "a file that never needed it keeps none";
    request.SelectCharacter({0x845B, 0xE0100});
    WriteUnicodeKey(store, request);
    EXPECT_EQ(store.ReadString("Last", "Unicode", ""), "U+845B + U+E0100");
    request.SelectCode(33440);
    WriteUnicodeKey(store, request);
    EXPECT_EQ(store.ReadString("Last", "Unicode", "?"), "");
}

TEST(LastSettings, EveryKeyIsListedOnceWithSoundRows) {
    std::set<std::string> keys;
    for (const SettingKey& k : LastSettingKeys()) {
        EXPECT_EQ(k.section, "Last");
        EXPECT_TRUE(keys.insert(std::string(k.key)).second) << k.key;
    }
    EXPECT_EQ(keys.size(), 8u + 13u + 6u + 5u + 7u + 6u);
    for (const IntSetting& row :
         {last::SjisCode, last::FontSize, last::FontDeg, last::DspMode, last::OrgX, last::OrgY,
          last::RoundR, last::HintMode, last::Zoom, last::PanX, last::PanY})
        EXPECT_TRUE(row.IsSound()) << row.key;
}

} // namespace
} // namespace lumina
