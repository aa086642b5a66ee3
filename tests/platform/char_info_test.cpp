#include "platform/char_info.h"

#include "platform/cp932.h"
#include "platform/iconv_converter.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

struct FieldCase {
    std::string_view text;
    std::optional<Character> expected;
};

TEST(CharInfoTest, FieldTakesOneCharacterOrOneVariationSequence) {
    using namespace std::string_view_literals;
    const FieldCase cases[] = {
        {"葛", Character{0x845B}},
        {"𠮟", Character{0x20B9F}},
        {"U", Character{0x55}},
        {"葛\U000E0100", Character{0x845B, 0xE0100}},
        {"\u2229\uFE00", Character{0x2229, 0xFE00}},
        {"U+20B9F", Character{0x20B9F}},
        {"u+845b", Character{0x845B}},
        {"U+41", Character{0x41}},
        {"U+10FFFF", Character{0x10FFFF}},
        {"U+845B + U+E0100", Character{0x845B, 0xE0100}},
        // Refused: not one character.
        {"", std::nullopt},
        {"漢字", std::nullopt},
        {"A\0"sv, std::nullopt},
        {"\U000E0100", std::nullopt},
        {"\uFE00", std::nullopt},
        {"\U000E0100葛", std::nullopt},
        {"葛\U000E0100\U000E0101", std::nullopt},
        {"葛\U000E0100あ", std::nullopt},
        // Refused: malformed UTF-8 (cut short, overlong, a surrogate, beyond U+10FFFF).
        {"\xE8\x91", std::nullopt},
        {"\xC0\xAF", std::nullopt},
        {"\xED\xA0\x80", std::nullopt},
        {"\xF4\x90\x80\x80", std::nullopt},
        // Refused: code points typed wrong or naming no character.
        {"U+110000", std::nullopt},
        {"U+D800", std::nullopt},
        {"U+0020B9F", std::nullopt},
        {"U+", std::nullopt},
        {"U+E0100", std::nullopt},
        {"U+845B + U+41", std::nullopt},
        {"U+845B U+E0100", std::nullopt},
        {"U+845B + ", std::nullopt},
        {" U+845B", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(ParseCharacter(c.text), c.expected);
    }
}

TEST(CharInfoTest, CodePointsAreWrittenAsLabelsShowThemAndReadBack) {
    const std::pair<Character, std::string_view> cases[] = {
        {{0x41}, "U+0041"},
        {{0x845B}, "U+845B"},
        {{0x20B9F}, "U+20B9F"},
        {{0x10FFFF}, "U+10FFFF"},
        {{0x845B, 0xE0100}, "U+845B + U+E0100"},
        {{0x2229, 0xFE00}, "U+2229 + U+FE00"},
    };
    for (const auto& [character, text] : cases) {
        SCOPED_TRACE(std::string(text));
        EXPECT_EQ(CodePointsText(character), text);
        EXPECT_EQ(ParseCharacter(text), character);
    }
}

// What each code says of a character, as the batch tool prints it; checked against glibc's
// iconv on the command line and the code tables.
struct CodesCase {
    Character character;
    std::string_view name;
    std::string_view block;
    std::string_view utf8;
    std::string_view utf16;
    std::optional<std::uint16_t> cp932;
    std::string_view jisx0208; // "" for none
    std::string_view jisx0213;
    std::string_view eucJis2004;
    std::string_view shiftJis2004;
};

std::string TextOr(const auto& value) {
    return value ? value->Text() : "";
}

std::string BytesOr(const std::optional<std::string>& bytes) {
    return bytes ? HexBytes(*bytes) : "";
}

TEST(CharInfoTest, EveryCodeOfTheCharacters) {
    const CodesCase cases[] = {
        {{0x3042},
         "HIRAGANA LETTER A",
         "Hiragana",
         "E3 81 82",
         "3042",
         0x82A0,
         "4-2",
         "1-4-2",
         "A4 A2",
         "82 A0"},
        {{0x6F22},
         "CJK UNIFIED IDEOGRAPH-6F22",
         "CJK Unified Ideographs",
         "E6 BC A2",
         "6F22",
         0x8ABF,
         "20-33",
         "1-20-33",
         "B4 C1",
         "8A BF"},
        {{0x20B9F},
         "CJK UNIFIED IDEOGRAPH-20B9F",
         "CJK Unified Ideographs Extension B",
         "F0 A0 AE 9F",
         "D842 DF9F",
         std::nullopt,
         "",
         "1-47-52",
         "CF D4",
         "98 73"},
        // A sequence: Unicode forms of both, the Japanese codes of the base.
        {{0x845B, 0xE0100},
         "CJK UNIFIED IDEOGRAPH-845B + VARIATION SELECTOR-17",
         "CJK Unified Ideographs",
         "E8 91 9B F3 A0 84 80",
         "845B DB40 DD00",
         0x8A8B,
         "19-75",
         "1-19-75",
         "B3 EB",
         "8A 8B"},
        // Half-width katakana: one byte in code page 932, outside the 94 x 94 sets.
        {{0xFF71},
         "HALFWIDTH KATAKANA LETTER A",
         "Halfwidth And Fullwidth Forms",
         "EF BD B1",
         "FF71",
         0x00B1,
         "",
         "",
         "8E B1",
         "B1"},
        // Code page 932 0x8160 is the full-width tilde; JIS 1-33 is the wave dash.
        {{0x301C},
         "WAVE DASH",
         "CJK Symbols And Punctuation",
         "E3 80 9C",
         "301C",
         std::nullopt,
         "1-33",
         "1-1-33",
         "A1 C1",
         "81 60"},
        {{0xFF5E},
         "FULLWIDTH TILDE",
         "Halfwidth And Fullwidth Forms",
         "EF BD 9E",
         "FF5E",
         0x8160,
         "",
         "1-2-18",
         "A2 B2",
         "81 B0"},
        // Plane 2 of JIS X 0213.
        {{0x4E02},
         "CJK UNIFIED IDEOGRAPH-4E02",
         "CJK Unified Ideographs",
         "E4 B8 82",
         "4E02",
         std::nullopt,
         "",
         "2-1-2",
         "8F A1 A2",
         "F0 41"},
        {{0x41}, "LATIN CAPITAL LETTER A", "Basic Latin", "41", "0041", 0x0041, "", "", "41", "41"},
        // Code points without a name, and outside every block.
        {{0xE000},
         "<private use area-E000>",
         "Private Use Area",
         "EE 80 80",
         "E000",
         0xF040,
         "",
         "",
         "",
         ""},
        {{0x7}, "<control-0007>", "Basic Latin", "07", "0007", 0x0007, "", "", "07", "07"},
        {{0x50000},
         "<unassigned-50000>",
         "No Block",
         "F1 90 80 80",
         "D900 DC00",
         std::nullopt,
         "",
         "",
         "",
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(CodePointsText(c.character));
        EXPECT_EQ(CharName(c.character), c.name);
        EXPECT_EQ(BlockName(c.character.scalar), c.block);
        EXPECT_EQ(HexBytes(Utf8Of(c.character)), c.utf8);
        EXPECT_EQ(HexUnits(Utf16Of(c.character)), c.utf16);
        const JapaneseCodes codes = JapaneseCodesOf(c.character.scalar);
        EXPECT_EQ(codes.cp932, c.cp932);
        EXPECT_EQ(TextOr(codes.jisx0208), c.jisx0208);
        EXPECT_EQ(TextOr(codes.jisx0213), c.jisx0213);
        EXPECT_EQ(BytesOr(codes.eucJis2004), c.eucJis2004);
        EXPECT_EQ(BytesOr(codes.shiftJis2004), c.shiftJis2004);
    }
}

TEST(CharInfoTest, SelectorsHaveNoJapaneseCode) {
    for (const char32_t selector : {0xFE00U, 0xE0100U}) {
        const JapaneseCodes codes = JapaneseCodesOf(selector);
        EXPECT_FALSE(codes.cp932 || codes.jisx0208 || codes.jisx0213 || codes.eucJis2004 ||
                     codes.shiftJis2004);
    }
    EXPECT_EQ(CharName(0xE0100), "VARIATION SELECTOR-17");
    EXPECT_EQ(BlockName(0xE0100), "Variation Selectors Supplement");
}

// The codes above count only what reads back as the same character; these are the readings.
TEST(CharInfoTest, WaveDashAndFullwidthTildeReadBackAsThemselves) {
    EXPECT_EQ(cp932::CodeToUnicode(0x8160), U'\uFF5E');
    const IconvConverter fromEuc("UTF-8", "EUC-JISX0213");
    EXPECT_EQ(fromEuc.Convert("\xA1\xC1"), "\u301C");
    EXPECT_EQ(fromEuc.Convert("\xA2\xB2"), "\uFF5E");
    const IconvConverter fromSjis("UTF-8", "SHIFT_JISX0213");
    EXPECT_EQ(fromSjis.Convert("\x81\x60"), "\u301C");
    EXPECT_EQ(fromSjis.Convert("\x81\xB0"), "\uFF5E");
}

} // namespace
} // namespace lumina
