#include "glyph/char_codes.h"

#include "platform/cp932.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <limits>

namespace lumina {
namespace {

bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFE);
}

std::string HexText(std::uint32_t value) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "(0x%04X)", value);
    return buffer;
}

} // namespace

int CodeFromCharText(std::string_view bytes) {
    if (bytes.size() == 1)
        return static_cast<unsigned char>(bytes[0]);
    if (bytes.size() == 2 && IsLeadByte(static_cast<unsigned char>(bytes[0])))
        return static_cast<unsigned char>(bytes[0]) * 256 + static_cast<unsigned char>(bytes[1]);
    return 0;
}

std::string CharTextFromCode(int code) {
    return cp932::CodeBytes(static_cast<std::uint32_t>(code));
}

std::string DisplayTextFromCode(int code) {
    return cp932::ToUtf8Lossy(CharTextFromCode(code));
}

std::optional<Character> CharacterFromField(std::string_view text) {
    const std::optional<Character> c = ParseCharacter(text);
    if (!c || c->scalar == 0)
        return std::nullopt;
    return c;
}

std::optional<int> Cp932CodeOf(const Character& c) {
    if (c.selector != 0)
        return std::nullopt;
    const std::optional<std::uint16_t> code = JapaneseCodesOf(c.scalar).cp932;
    if (!code || *code == 0)
        return std::nullopt;
    return *code;
}

int ReadDecimal(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::numeric_limits<int>::max())
            return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return static_cast<int>(negative ? -value : value);
}

std::string CodeHexText(std::string_view codeFieldText) {
    return HexText(static_cast<std::uint32_t>(ReadDecimal(codeFieldText)));
}

} // namespace lumina
