#include "glyph/bit_picture.h"

#include "glyph/bitmap.h"
#include "glyph/glyph_save.h"
#include "glyph/last_settings.h"
#include "glyph/outline.h"
#include "glyph/request.h"
#include "platform/cp932.h"
#include "platform/surface.h"
#include "services/common.h"
#include "services/messages.h"
#include "services/services.h"
#include "services/settings_store.h"

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

bool ReadBitCharacters(const Services& services, Owner owner, BitStrings& fields) {
    if (fields.ink.empty()) {
        if (ShowMessageById(services, owner, "", kMsgBlankInk, kQuestionYesNo) == kIdNo)
            return false;
        fields.ink = "1";
    }
    if (fields.background.empty()) {
        if (ShowMessageById(services, owner, "", kMsgBlankBackground, kQuestionYesNo) == kIdNo)
            return false;
        fields.background = "0";
    }
    return true;
}

std::optional<std::string> MakeBitPicture(const Services& services, Owner owner,
                                          const GlyphRequest& request, std::string_view ink,
                                          std::string_view background) {
    std::optional<Surface> surface =
        Surface::Create(1, 1, services.displayFormat, services.displayDpiX, services.displayDpiY);
    std::optional<ScopedFont> font;
    if (surface)
        font.emplace(services, *surface, request.ToFontSpec());
    if (!font || !*font) {
        ShowMessageById(services, owner, "", kMsgFontFailed, kErrorOk);
        return std::nullopt;
    }
    const std::optional<GlyphMonoBitmap> bitmap =
        FetchMonoBitmap(services, *surface, static_cast<std::uint32_t>(request.SjisCode));
    if (!bitmap)
        return std::nullopt;
    return FormatBitPicture(*bitmap, ink, background);
}

void WriteBitPicture(const Services& services, Owner owner, const GlyphOutline& outline,
                     const GlyphRequest& request, BitStrings& fields) {
    if (outline.pointCount == 0)
        return;
    if (!ReadBitCharacters(services, owner, fields))
        return;
    const std::optional<std::string> ink = cp932::FromUtf8(fields.ink);
    const std::optional<std::string> background = cp932::FromUtf8(fields.background);
    if (!ink || !background) {
        ShowMessageById(services, owner, "", kMsgNotCp932, kInfoOk);
        return;
    }
    last::Bit0Char.Write(services.settings, fields.background);
    last::Bit1Char.Write(services.settings, fields.ink);
    const std::optional<std::string> path = AskSaveFileName(services, owner, request);
    if (!path)
        return;
    // Nothing to write (no font, no memory, a glyph without ink) leaves any existing file alone.
    const std::optional<std::string> bytes =
        MakeBitPicture(services, owner, request, *ink, *background);
    if (!bytes || bytes->empty() || !SaveTextFile(services, owner, *path, *bytes))
        return;
    OfferToShowFolder(services, owner, *path);
}

} // namespace lumina
