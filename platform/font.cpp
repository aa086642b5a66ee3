#include "platform/font.h"

#include "platform/cp932.h"

namespace lumina {

std::optional<GlyphData> Font::Glyph(std::uint32_t code, GlyphFormat format) const {
    const std::optional<char32_t> c = cp932::CodeToUnicode(code);
    if (!c)
        return std::nullopt;
    return GlyphOf(GlyphKey::Char(*c), format);
}

} // namespace lumina
