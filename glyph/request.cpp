#include "glyph/request.h"

#include "platform/cp932.h"

namespace lumina {

std::optional<GlyphKey> GlyphRequest::Key() const {
    const std::optional<char32_t> c = cp932::CodeToUnicode(static_cast<std::uint32_t>(SjisCode));
    if (!c)
        return std::nullopt;
    return GlyphKey::Char(*c);
}

} // namespace lumina
