#include "glyph/bit_picture.h"

#include "glyph/bitmap.h"
#include "glyph/glyph_save.h"
#include "glyph/request.h"
#include "services/common.h"
#include "services/services.h"

namespace lumina {
namespace {

// Bit (7 - c mod 8) of byte r * stride + c / 8: rows start on their own 4-byte boundaries.
bool BitAt(const GlyphMonoBitmap& bitmap, std::size_t r, std::size_t c) {
    const std::size_t at = r * static_cast<std::size_t>(bitmap.stride) + c / 8;
    return at < bitmap.bits.size() && (bitmap.bits[at] >> (7 - c % 8) & 1) != 0;
}

} // namespace

std::string FormatBitPicture(const GlyphMonoBitmap& bitmap, std::string_view ink,
                             std::string_view background) {
    const auto columns = static_cast<std::size_t>(GlyphBitmapWidth(bitmap.width));
    std::string out;
    std::string line;
    for (std::size_t r = 0; r < bitmap.height; ++r) {
        line.clear();
        for (std::size_t c = 0; c < columns; ++c)
            line.append(BitAt(bitmap, r, c) ? ink : background);
        AppendLine(out, line);
    }
    return out;
}

Result<std::string> MakeBitPicture(const EngineServices& services, const GlyphRequest& request,
                                   std::string_view ink, std::string_view background) {
    ScratchFont font(services, request.ToFontSpec());
    if (!font)
        return Problem::Failed(kMsgFontFailed);
    const std::optional<GlyphKey> key = request.Key();
    if (!key)
        return Problem::Silent("the code is not one character");
    const Result<GlyphMonoBitmap> bitmap = FetchMonoBitmap(font.Canvas(), *key);
    if (!bitmap)
        return bitmap.problem();
    return FormatBitPicture(*bitmap, ink, background);
}

} // namespace lumina
