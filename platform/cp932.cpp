#include "platform/cp932.h"

#include "platform/iconv_converter.h"

namespace lumina::cp932 {
namespace {

// One descriptor per direction and thread.
const IconvConverter& ToCp932() {
    thread_local const IconvConverter converter("CP932", "UTF-8");
    return converter;
}

const IconvConverter& FromCp932() {
    thread_local const IconvConverter converter("UTF-8", "CP932");
    return converter;
}

bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Decodes one UTF-8 scalar at text[i]; advances i. Returns -1 on malformed input.
long DecodeUtf8(std::string_view text, size_t& i) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    int extra = 0;
    long c = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        c = b0 & 0x07;
    } else {
        return -1;
    }
    if (i + extra >= text.size())
        return -1;
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80)
            return -1;
        c = (c << 6) | (b & 0x3F);
    }
    i += extra + 1;
    return c;
}

} // namespace

std::optional<std::string> FromUtf8(std::string_view utf8) {
    return ToCp932().Convert(utf8);
}

std::optional<std::string> ToUtf8(std::string_view bytes) {
    return FromCp932().Convert(bytes);
}

std::string ToUtf8Lossy(std::string_view bytes) {
    std::string out;
    size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const size_t len = (IsLeadByte(b) && i + 1 < bytes.size()) ? 2 : 1;
        if (auto piece = ToUtf8(bytes.substr(i, len))) {
            out += *piece;
            i += len;
            continue;
        }
        if (len == 2) {
            // A lead byte whose trail does not pair with it: show the lead alone and go on.
            if (auto piece = ToUtf8(bytes.substr(i, 1)))
                out += *piece;
            else
                AppendUtf8(out, U'\uFFFD');
            ++i;
            continue;
        }
        AppendUtf8(out, U'\uFFFD');
        ++i;
    }
    return out;
}

std::string CodeBytes(std::uint32_t code) {
    if (code >= 256) {
        return std::string{static_cast<char>((code >> 8) & 0xFF), static_cast<char>(code & 0xFF)};
    }
    return std::string(1, static_cast<char>(code & 0xFF));
}

std::optional<char32_t> CodeToUnicode(std::uint32_t code) {
    if (code > 0xFFFF)
        return std::nullopt;
    const auto utf8 = ToUtf8(CodeBytes(code));
    if (!utf8 || utf8->empty())
        return std::nullopt;
    size_t i = 0;
    const long c = DecodeUtf8(*utf8, i);
    if (c < 0 || i != utf8->size())
        return std::nullopt;
    return static_cast<char32_t>(c);
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace lumina::cp932
