#pragma once

#include "platform/geometry.h"

#include <cstdint>
#include <optional>

namespace lumina {

// Where an ideographic em box stands.
enum class EmBoxSource {
    Base,          // the BASE table's ideographic em-box bottom ('ideo')
    TypoDescender, // derived: no 'ideo', so the em square stands on the OS/2 typo descender
    HheaDescender, // derived: no OS/2 either, so on the hhea descender
    BaseLine,      // derived: no vertical metrics at all, so on the base line
};

// An ideographic em box: its bottom and top, pixels, y up from the base line.
struct EmBox {
    int bottom = 0;
    int top = 0;
    EmBoxSource source = EmBoxSource::Base;
    bool Derived() const { return source != EmBoxSource::Base; }
    friend bool operator==(const EmBox&, const EmBox&) = default;
};

// The values a face's own tables give for its lines, in pixels at the font's em: font units
// scaled by emPixels / unitsPerEm and rounded to the nearest whole pixel (halves away from
// zero), y up from the base line, so descenders are negative. Unturned by the font's
// escapement and unhinted. A value is nullopt when the face lacks its table (no hhea, no OS/2,
// no BASE) or the BASE table does not give it for the ideographs' script ('hani', else 'DFLT').
struct FaceTables {
    int unitsPerEm = 0;
    int emPixels = 0;
    std::optional<int> hheaAscender;
    std::optional<int> hheaDescender;
    std::optional<int> typoAscender;  // OS/2 sTypoAscender
    std::optional<int> typoDescender; // OS/2 sTypoDescender
    std::optional<int> winAscent;     // OS/2 usWinAscent
    std::optional<int> winDescent;    // OS/2 usWinDescent, negated: it counts downward
    std::optional<int> ideoEmBottom;  // BASE 'ideo', horizontal axis
    std::optional<int> icfBottom;     // BASE 'icfb'
    std::optional<int> icfTop;        // BASE 'icft'

    // The ideographic em box: one em high from 'ideo'; without it, the em square standing on
    // the typo descender, else the hhea descender, else the base line (flagged as derived).
    EmBox IdeographicEmBox() const;
    friend bool operator==(const FaceTables&, const FaceTables&) = default;
};

// A glyph as a character appears in vertical text.
struct VerticalGlyph {
    // The glyph the font's vertical forms give; drawn through GlyphKey::Index(glyphIndex).
    std::uint32_t glyphIndex = 0;
    // Pixels the pen moves down after the glyph: the face's vmtx advance, or without vmtx
    // FreeType's default (the OS/2 typo ascender to descender, else hhea's), as loaded at the
    // font's size and hinting.
    int advance = 0;
    // The point the glyph hangs from, relative to its horizontal origin, pixels, y up: the pen
    // position of vertical text, half the horizontal advance across and the vmtx top side
    // bearing above the glyph's top (without vmtx, FreeType centres the glyph in its advance).
    Point origin;
    // The glyph differs from the one the character map gives the character.
    bool substituted = false;
    friend bool operator==(const VerticalGlyph&, const VerticalGlyph&) = default;
};

} // namespace lumina
