#include "platform/freetype_tables.h"

#include "platform/base_table.h"

#include FT_TRUETYPE_TABLES_H
#include FT_TRUETYPE_TAGS_H

#include <algorithm>
#include <cmath>
#include <vector>

namespace lumina {
namespace {

// More than any BASE table's 16-bit offsets can reach; a longer table is read only this far.
constexpr FT_ULong kMaxBaseBytes = 1 << 20;

std::vector<std::uint8_t> LoadBaseTable(FT_Face face) {
    FT_ULong length = 0;
    if (FT_Load_Sfnt_Table(face, TTAG_BASE, 0, nullptr, &length) != 0 || length == 0)
        return {};
    length = std::min(length, kMaxBaseBytes);
    std::vector<std::uint8_t> bytes(length);
    if (FT_Load_Sfnt_Table(face, TTAG_BASE, 0, bytes.data(), &length) != 0)
        return {};
    return bytes;
}

} // namespace

FaceTables ReadFaceTables(FT_Face face, int emPixels) {
    FaceTables t;
    t.unitsPerEm = face->units_per_EM;
    t.emPixels = emPixels;
    if (t.unitsPerEm <= 0)
        return t;
    const auto pixels = [&t](long units) -> std::optional<int> {
        return static_cast<int>(
            std::lround(static_cast<double>(units) * t.emPixels / t.unitsPerEm));
    };
    const auto scaled = [&pixels](const std::optional<int>& units) {
        return units ? pixels(*units) : std::nullopt;
    };

    if (const auto* hhea =
            static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA))) {
        t.hheaAscender = pixels(hhea->Ascender);
        t.hheaDescender = pixels(hhea->Descender);
    }
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF) {
        t.typoAscender = pixels(os2->sTypoAscender);
        t.typoDescender = pixels(os2->sTypoDescender);
        t.winAscent = pixels(os2->usWinAscent);
        t.winDescent = pixels(-static_cast<long>(os2->usWinDescent));
    }
    const BaseValues base = ReadBaseValues(LoadBaseTable(face));
    t.ideoEmBottom = scaled(base.ideo);
    t.icfBottom = scaled(base.icfb);
    t.icfTop = scaled(base.icft);
    return t;
}

} // namespace lumina
