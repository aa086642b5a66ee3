#include "platform/freetype_metrics.h"

#include <ft2build.h>
#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

namespace lumina {
namespace {

// The cell of the face in font units: OS/2 usWinAscent/usWinDescent (they bound what the face
// draws, so lines never clip), else hhea, else what FreeType reports.
struct Cell {
    long ascent = 0;
    long descent = 0;
};

const TT_OS2* Os2(FT_Face face) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    return os2 && os2->version != 0xFFFF ? os2 : nullptr;
}

Cell FaceCell(FT_Face face) {
    if (const TT_OS2* os2 = Os2(face); os2 && os2->usWinAscent + os2->usWinDescent > 0)
        return {os2->usWinAscent, os2->usWinDescent};
    if (const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA)))
        return {hhea->Ascender, -hhea->Descender};
    return {face->ascender, -face->descender};
}

// Font units to pixels at an em, rounded half away from zero.
int Scale(long units, int em, int unitsPerEm) {
    return static_cast<int>(std::lround(static_cast<double>(units) * em / unitsPerEm));
}

// The mean advance of the printable ASCII characters the face has, in font units.
long MeasuredAverageWidth(FT_Face face) {
    long sum = 0, count = 0;
    for (FT_ULong c = 0x20; c < 0x7F; ++c) {
        const FT_UInt index = FT_Get_Char_Index(face, c);
        FT_Fixed advance = 0;
        if (index == 0 || FT_Get_Advance(face, index, FT_LOAD_NO_SCALE, &advance) != 0)
            continue;
        sum += advance;
        ++count;
    }
    return count ? sum / count : 0;
}

} // namespace

int EmPixelsFor(FT_Face face, int logicalHeight) {
    if (logicalHeight < 0)
        return -logicalHeight;
    // Height 0 asks for the rasteriser's default size.
    const int cellPixels = logicalHeight > 0 ? logicalHeight : 16;
    const Cell cell = FaceCell(face);
    if (cell.ascent + cell.descent <= 0)
        return 0;
    return Scale(static_cast<long>(cellPixels) * face->units_per_EM, 1,
                 static_cast<int>(cell.ascent + cell.descent));
}

// tmAscent, tmDescent: the cell (OS/2 win metrics, hhea without OS/2) scaled and rounded;
// tmHeight = ascent + descent; tmInternalLeading = height - em;
// tmExternalLeading = the hhea line spacing beyond the cell, never negative;
// tmAveCharWidth = OS/2 xAvgCharWidth, or the mean ASCII advance when the face leaves it 0;
// tmMaxCharWidth = the width of the head bounding box; tmWeight = the requested weight.
TextMetrics DeriveTextMetrics(FT_Face face, int emPixels, int weight) {
    const int upem = face->units_per_EM > 0 ? face->units_per_EM : 1000;
    const Cell cell = FaceCell(face);
    TextMetrics m;
    m.tmAscent = Scale(cell.ascent, emPixels, upem);
    m.tmDescent = Scale(cell.descent, emPixels, upem);
    m.tmHeight = m.tmAscent + m.tmDescent;
    m.tmInternalLeading = m.tmHeight - emPixels;

    long gap = 0;
    if (const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA)))
        gap = hhea->Ascender - hhea->Descender + hhea->Line_Gap - (cell.ascent + cell.descent);
    m.tmExternalLeading = std::max(0, Scale(gap, emPixels, upem));

    const TT_OS2* os2 = Os2(face);
    const long average =
        os2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : MeasuredAverageWidth(face);
    m.tmAveCharWidth = Scale(average, emPixels, upem);
    m.tmMaxCharWidth = Scale(face->bbox.xMax - face->bbox.xMin, emPixels, upem);
    m.tmWeight = weight >= 600 ? 700 : 400;
    return m;
}

} // namespace lumina
