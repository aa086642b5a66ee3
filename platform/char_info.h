#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a character is in every code a Japanese text may be written in: Unicode (name, block,
// UTF-8, UTF-16) from ICU, the Japanese codes through glibc iconv.
namespace lumina {

// One character as a character field takes it: a Unicode scalar value, followed by a variation
// selector when one of its variants is meant.
struct Character {
    char32_t scalar = 0;
    char32_t selector = 0; // U+FE00..FE0F or U+E0100..E01EF; 0 for none
    friend bool operator==(const Character&, const Character&) = default;
};

// The character a field's text names: as UTF-8, exactly one scalar value or one followed by one
// variation selector; or typed as "U+" (or "u+") and 1 to 6 hex digits, optionally followed by
// " + U+" and a selector's digits (the form CodePointsText writes). nullopt for anything else:
// empty text, two characters, a lone selector, malformed UTF-8, a surrogate or a value beyond
// U+10FFFF.
std::optional<Character> ParseCharacter(std::string_view text);

// "U+845B": upper-case hex, four digits at least.
std::string CodePointText(char32_t c);
// "U+845B", or "U+845B + U+E0100" for a variation sequence.
std::string CodePointsText(const Character& c);

// The character as UTF-8 text, its selector included.
std::string Utf8Of(const Character& c);
// The character's UTF-16 code units, its selector included.
std::vector<std::uint16_t> Utf16Of(const Character& c);

// The Unicode name ("CJK UNIFIED IDEOGRAPH-845B"); for a code point without one, its label in
// angle brackets ("<control-0007>", "<private use area-E000>", "<unassigned-50000>").
std::string CharName(char32_t c);
// The base character's name, and for a variation sequence the selector's after " + "
// ("CJK UNIFIED IDEOGRAPH-845B + VARIATION SELECTOR-17").
std::string CharName(const Character& c);
// The name of the Unicode block the code point lies in, words separated by spaces
// ("CJK Unified Ideographs Extension B"; "No Block" outside every block).
std::string BlockName(char32_t c);

// 区点: the row and cell of a character in the 94 x 94 set of JIS X 0208.
struct RowCell {
    int row = 0;
    int cell = 0;
    std::string Text() const; // "19-75"
    friend bool operator==(const RowCell&, const RowCell&) = default;
};

// 面区点: the plane, row and cell of a character in JIS X 0213.
struct PlaneRowCell {
    int plane = 0;
    int row = 0;
    int cell = 0;
    std::string Text() const; // "1-19-75"
    friend bool operator==(const PlaneRowCell&, const PlaneRowCell&) = default;
};

// The codes of one scalar value in the Japanese character codes; each nullopt when the code has
// no form for it. A form counts only when it reads back as the same character: glibc writes
// some characters one way only (U+301C WAVE DASH as code page 932 0x8160, which reads back as
// U+FF5E FULLWIDTH TILDE), and such a code would name another character.
struct JapaneseCodes {
    std::optional<std::uint16_t> cp932;      // the byte, or lead * 256 + trail
    std::optional<RowCell> jisx0208;         // 区点
    std::optional<PlaneRowCell> jisx0213;    // 面区点
    std::optional<std::string> eucJis2004;   // EUC-JIS-2004 bytes
    std::optional<std::string> shiftJis2004; // Shift_JIS-2004 bytes
};

// The codes of a scalar value; a variation selector has none, so a sequence's are its base's.
JapaneseCodes JapaneseCodesOf(char32_t c);

// "E8 91 9B": each byte as two upper-case hex digits, separated by spaces.
std::string HexBytes(std::string_view bytes);
// "845B DB40 DD00": each code unit as four upper-case hex digits, separated by spaces.
std::string HexUnits(const std::vector<std::uint16_t>& units);

} // namespace lumina
