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

// How a glyph's pixels count as ink: every pixel it touches in full (the palette's density, by
// which the art has always been made), or each by its grey level (the ink as it is drawn).
enum class InkMeasure { Touched, Coverage };

// Ink density of one glyph: inked pixels x 1000 / ((ascent + descent) x advance length);
// 0 for a glyph without ink or with a zero divisor.
int InkDensity(const Font& font, std::uint32_t code, int ascentPlusDescent,
               InkMeasure measure = InkMeasure::Touched);

// The palette's entries measured in the font; false when it holds nothing.
bool BuildPalette(CharPalette& palette, const ArtSettings& settings, const Font& font);

// Sorts by the 16-bit density, ties in palette order.
void SortPalette(CharPalette& palette);

// The palette's characters with the densities of their ink as drawn (InkMeasure::Coverage),
// sorted: what the tone modes match the picture's lightness to.
CharPalette DrawnInkPalette(const CharPalette& palette, const Font& font);

} // namespace lumina
