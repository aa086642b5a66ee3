#include "glyph/request.h"

#include "glyph/char_codes.h"
#include "platform/cp932.h"

namespace lumina {

std::optional<GlyphKey> GlyphRequest::Key() const {
    const std::optional<Character> c = Shown();
    if (!c)
        return std::nullopt;
    return GlyphKey::Char(c->scalar, c->selector);
}

std::optional<Character> GlyphRequest::Shown() const {
    if (Unicode)
        return Unicode;
    const std::optional<char32_t> c = cp932::CodeToUnicode(static_cast<std::uint32_t>(SjisCode));
    if (!c)
        return std::nullopt;
    return Character{*c};
}

void GlyphRequest::SelectCharacter(const Character& c) {
    const std::optional<int> code = Cp932CodeOf(c);
    if (code) {
        SelectCode(*code);
        return;
    }
    Char = Utf8Of(c);
    Unicode = c;
}

void GlyphRequest::SelectCode(int code) {
    SjisCode = code;
    Char = DisplayTextFromCode(code);
    Unicode.reset();
}

} // namespace lumina
