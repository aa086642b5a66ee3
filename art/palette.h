#pragma once

#include "art/settings.h"

#include <cstdint>
#include <vector>

namespace lumina {

class Font;

struct PaletteEntry {
    std::uint32_t code = 0; // lead * 256 + trail
    int density = 0;        // per mille of the character's cell
    friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

inline constexpr int kPaletteCapacity = 3333;

// The candidate characters of one run, lightest first once sorted.
struct CharPalette {
    std::vector<PaletteEntry> entries; // never more than kPaletteCapacity
    int count() const { return static_cast<int>(entries.size()); }
};

// One inclusive code range of a class.
struct CodeRange {
    std::uint32_t first;
    std::uint32_t last;
};

// The code ranges of a class, in collection order.
std::vector<CodeRange> ClassRanges(CharClass cls);

// Every candidate code of the classes switched on, in class and range order, at most the
// palette's capacity.
std::vector<std::uint32_t> CandidateCodes(const ArtSettings& settings);

// Ink density of one glyph: inked pixels x 1000 / ((ascent + descent) x advance length);
// 0 for a glyph without ink or with a zero divisor.
int InkDensity(const Font& font, std::uint32_t code, int ascentPlusDescent);

// The palette's entries measured in the font; false when it holds nothing.
bool BuildPalette(CharPalette& palette, const ArtSettings& settings, const Font& font);

// Sorts by the 16-bit density, ties in palette order.
void SortPalette(CharPalette& palette);

} // namespace lumina
