#include "platform/char_info.h"

#include "platform/cp932.h"
#include "platform/font.h"
#include "platform/iconv_converter.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdio>

namespace lumina {
namespace {

constexpr char32_t kMaxScalar = 0x10FFFF;

bool IsScalar(char32_t c) {
    return c <= kMaxScalar && !(c >= 0xD800 && c <= 0xDFFF);
}

// A character of a base alone, or of a base and a selector; a selector is no base.
std::optional<Character> Make(char32_t scalar, std::optional<char32_t> selector = {}) {
    if (IsVariationSelector(scalar) || (selector && !IsVariationSelector(*selector)))
        return std::nullopt;
    return Character{scalar, selector.value_or(0)};
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Takes "U+" and 1 to 6 hex digits from the front of text; nullopt when they are not there or
// name no scalar value.
std::optional<char32_t> TakeCodePoint(std::string_view& text) {
    if (text.size() < 3 || (text[0] != 'U' && text[0] != 'u') || text[1] != '+')
        return std::nullopt;
    std::size_t end = 2;
    char32_t value = 0;
    for (; end < text.size() && HexDigit(text[end]) >= 0; ++end) {
        if (end - 2 == 6)
            return std::nullopt;
        value = value * 16 + static_cast<char32_t>(HexDigit(text[end]));
    }
    if (end == 2 || !IsScalar(value))
        return std::nullopt;
    text.remove_prefix(end);
    return value;
}

std::optional<Character> ParseCodePoints(std::string_view text) {
    const auto scalar = TakeCodePoint(text);
    if (!scalar)
        return std::nullopt;
    if (text.empty())
        return Make(*scalar);
    constexpr std::string_view kJoin = " + ";
    if (!text.starts_with(kJoin))
        return std::nullopt;
    text.remove_prefix(kJoin.size());
    const auto selector = TakeCodePoint(text);
    if (!selector || !text.empty())
        return std::nullopt;
    return Make(*scalar, *selector);
}

// Valid UTF-8 of one scalar value, or of two when the second is a selector.
std::optional<Character> ParseUtf8(std::string_view text) {
    constexpr std::size_t kMaxBytes = 8; // two scalar values of four bytes
    if (text.empty() || text.size() > kMaxBytes)
        return std::nullopt;
    std::vector<char32_t> scalars;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    for (std::int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0)
            return std::nullopt;
        scalars.push_back(static_cast<char32_t>(c));
    }
    if (scalars.size() == 1)
        return Make(scalars[0]);
    if (scalars.size() == 2)
        return Make(scalars[0], scalars[1]);
    return std::nullopt;
}

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

// The bytes of utf8 in a code, when that code has them and they read back as the same text.
std::optional<std::string> RoundTrip(const IconvConverter& to, const IconvConverter& back,
                                     const std::string& utf8) {
    auto bytes = to.Convert(utf8);
    if (!bytes || bytes->empty() || back.Convert(*bytes) != utf8)
        return std::nullopt;
    return bytes;
}

std::optional<std::string> ShiftJis2004Bytes(const std::string& utf8) {
    thread_local const IconvConverter to("SHIFT_JISX0213", "UTF-8");
    thread_local const IconvConverter back("UTF-8", "SHIFT_JISX0213");
    return RoundTrip(to, back, utf8);
}

std::optional<std::string> EucJis2004Bytes(const std::string& utf8) {
    thread_local const IconvConverter to("EUC-JISX0213", "UTF-8");
    thread_local const IconvConverter back("UTF-8", "EUC-JISX0213");
    return RoundTrip(to, back, utf8);
}

bool IsGraphicByte(unsigned char b, unsigned char low, unsigned char high) {
    return b >= low && b <= high;
}

// 区点 from the ISO-2022-JP form, which holds JIS X 0208 alone among its two-byte sets:
// ESC $ B (or ESC $ @ for the 1978 edition), two bytes 0x21..0x7E, ESC ( B.
std::optional<RowCell> JisX0208Of(const std::string& utf8) {
    thread_local const IconvConverter to("ISO-2022-JP", "UTF-8");
    thread_local const IconvConverter back("UTF-8", "ISO-2022-JP");
    const auto bytes = RoundTrip(to, back, utf8);
    if (!bytes || bytes->size() != 8)
        return std::nullopt;
    const std::string_view b = *bytes;
    if ((b.substr(0, 3) != "\x1b$B" && b.substr(0, 3) != "\x1b$@") || b.substr(5) != "\x1b(B")
        return std::nullopt;
    const auto first = static_cast<unsigned char>(b[3]);
    const auto second = static_cast<unsigned char>(b[4]);
    if (!IsGraphicByte(first, 0x21, 0x7E) || !IsGraphicByte(second, 0x21, 0x7E))
        return std::nullopt;
    return RowCell{first - 0x20, second - 0x20};
}

// 面区点 from the EUC-JIS-2004 bytes: two bytes 0xA1..0xFE for plane 1, 0x8F and two more for
// plane 2. ASCII and half-width katakana (0x8E and a byte) lie outside the two planes.
std::optional<PlaneRowCell> JisX0213Of(const std::optional<std::string>& euc) {
    if (!euc)
        return std::nullopt;
    std::string_view b = *euc;
    int plane = 1;
    if (b.size() == 3 && static_cast<unsigned char>(b[0]) == 0x8F) {
        plane = 2;
        b.remove_prefix(1);
    }
    if (b.size() != 2)
        return std::nullopt;
    const auto first = static_cast<unsigned char>(b[0]);
    const auto second = static_cast<unsigned char>(b[1]);
    if (!IsGraphicByte(first, 0xA1, 0xFE) || !IsGraphicByte(second, 0xA1, 0xFE))
        return std::nullopt;
    return PlaneRowCell{plane, first - 0xA0, second - 0xA0};
}

std::optional<std::uint16_t> Cp932Of(const std::string& utf8) {
    const auto bytes = cp932::FromUtf8(utf8);
    if (!bytes || bytes->empty() || bytes->size() > 2 || cp932::ToUtf8(*bytes) != utf8)
        return std::nullopt;
    std::uint16_t code = 0;
    for (const char b : *bytes)
        code = static_cast<std::uint16_t>(code * 256 + static_cast<unsigned char>(b));
    return code;
}

} // namespace

std::optional<Character> ParseCharacter(std::string_view text) {
    if (auto typed = ParseCodePoints(text))
        return typed;
    return ParseUtf8(text);
}

std::string CodePointText(char32_t c) {
    return "U+" + Hex(static_cast<unsigned>(c), 4);
}

std::string CodePointsText(const Character& c) {
    std::string text = CodePointText(c.scalar);
    if (c.selector != 0)
        text += " + " + CodePointText(c.selector);
    return text;
}

std::string Utf8Of(const Character& c) {
    std::uint8_t bytes[8];
    std::int32_t length = 0;
    U8_APPEND_UNSAFE(bytes, length, static_cast<UChar32>(c.scalar));
    if (c.selector != 0)
        U8_APPEND_UNSAFE(bytes, length, static_cast<UChar32>(c.selector));
    return std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
}

std::vector<std::uint16_t> Utf16Of(const Character& c) {
    std::uint16_t units[4];
    std::int32_t length = 0;
    U16_APPEND_UNSAFE(units, length, static_cast<UChar32>(c.scalar));
    if (c.selector != 0)
        U16_APPEND_UNSAFE(units, length, static_cast<UChar32>(c.selector));
    return std::vector<std::uint16_t>(units, units + length);
}

std::string CharName(char32_t c) {
    char name[128];
    UErrorCode status = U_ZERO_ERROR;
    std::int32_t length =
        u_charName(static_cast<UChar32>(c), U_UNICODE_CHAR_NAME, name, sizeof name, &status);
    if (U_SUCCESS(status) && length > 0)
        return std::string(name, static_cast<std::size_t>(length));
    status = U_ZERO_ERROR;
    length = u_charName(static_cast<UChar32>(c), U_EXTENDED_CHAR_NAME, name, sizeof name, &status);
    if (U_FAILURE(status) || length <= 0)
        return "<" + CodePointText(c) + ">";
    return std::string(name, static_cast<std::size_t>(length));
}

std::string CharName(const Character& c) {
    std::string name = CharName(c.scalar);
    if (c.selector != 0)
        name += " + " + CharName(c.selector);
    return name;
}

std::string BlockName(char32_t c) {
    const UBlockCode block = ublock_getCode(static_cast<UChar32>(c));
    const char* name = u_getPropertyValueName(UCHAR_BLOCK, block, U_LONG_PROPERTY_NAME);
    std::string text = name ? name : "No_Block";
    std::replace(text.begin(), text.end(), '_', ' ');
    return text;
}

std::string RowCell::Text() const {
    return std::to_string(row) + "-" + std::to_string(cell);
}

std::string PlaneRowCell::Text() const {
    return std::to_string(plane) + "-" + std::to_string(row) + "-" + std::to_string(cell);
}

JapaneseCodes JapaneseCodesOf(char32_t c) {
    if (IsVariationSelector(c) || !IsScalar(c))
        return {};
    const std::string utf8 = Utf8Of(Character{c, 0});
    JapaneseCodes codes;
    codes.cp932 = Cp932Of(utf8);
    codes.jisx0208 = JisX0208Of(utf8);
    codes.eucJis2004 = EucJis2004Bytes(utf8);
    codes.jisx0213 = JisX0213Of(codes.eucJis2004);
    codes.shiftJis2004 = ShiftJis2004Bytes(utf8);
    return codes;
}

std::string HexBytes(std::string_view bytes) {
    std::string text;
    for (const char b : bytes)
        text += (text.empty() ? "" : " ") + Hex(static_cast<unsigned char>(b), 2);
    return text;
}

std::string HexUnits(const std::vector<std::uint16_t>& units) {
    std::string text;
    for (const std::uint16_t u : units)
        text += (text.empty() ? "" : " ") + Hex(u, 4);
    return text;
}

} // namespace lumina
