#include "art/palette.h"

#include "platform/font.h"

#include <algorithm>
#include <cmath>

namespace lumina {

std::vector<CodeRange> ClassRanges(CharClass cls) {
    switch (cls) {
    case CharClass::Kigou:
        return {{0x8141, 0x817E}, {0x8180, 0x81AC}};
    case CharClass::Num:
        return {{0x824F, 0x8258}};
    case CharClass::AlphaU:
        return {{0x8260, 0x8279}};
    case CharClass::AlphaL:
        return {{0x8281, 0x829A}};
    case CharClass::Hira:
        return {{0x829F, 0x82F1}};
    case CharClass::Kata:
        return {{0x8340, 0x837E}, {0x8380, 0x8396}};
    case CharClass::Kanji:
        break;
    }
    std::vector<CodeRange> ranges{{0x889F, 0x88FC}};
    for (std::uint32_t lead = 0x89; lead <= 0x97; ++lead) {
        ranges.push_back({lead * 256 + 0x40, lead * 256 + 0x7E});
        ranges.push_back({lead * 256 + 0x80, lead * 256 + 0xFC});
    }
    ranges.push_back({0x9840, 0x9872});
    return ranges;
}

std::vector<std::uint32_t> CandidateCodes(const ArtSettings& settings) {
    std::vector<std::uint32_t> codes;
    for (const auto& info : kCharClasses) {
        if (settings.ClassSwitch(info.cls) == 0)
            continue;
        for (const auto& range : ClassRanges(info.cls)) {
            for (std::uint32_t code = range.first; code <= range.last; ++code) {
                if (codes.size() >= static_cast<size_t>(kPaletteCapacity))
                    return codes;
                codes.push_back(code);
            }
        }
    }
    return codes;
}

int InkDensity(const Font& font, std::uint32_t code, int ascentPlusDescent, InkMeasure measure) {
    const auto glyph = font.Glyph(code, GlyphFormat::Gray17);
    if (!glyph || glyph->bytes.empty())
        return 0;
    const GlyphMetrics& m = glyph->metrics;
    const size_t stride = (static_cast<size_t>(m.gmBlackBoxX) + 3) / 4 * 4;
    const size_t rows = std::min<size_t>(m.gmBlackBoxY, stride ? glyph->bytes.size() / stride : 0);
    long long ink = 0;
    for (size_t y = 0; y < rows; ++y) {
        const std::uint8_t* row = glyph->bytes.data() + y * stride;
        for (size_t x = 0; x < stride; ++x)
            ink += measure == InkMeasure::Touched ? (row[x] * 255 / 64) != 0 : row[x];
    }
    // Grey levels run 0..16: sixteen of them make one pixel's worth of ink.
    const long long unit = measure == InkMeasure::Touched ? 1 : 16;
    const double incX = m.gmCellIncX;
    const double incY = m.gmCellIncY;
    const long long length = static_cast<long long>(std::sqrt(incX * incX + incY * incY));
    const long long divisor = static_cast<long long>(ascentPlusDescent) * length * unit;
    if (divisor <= 0)
        return 0;
    return static_cast<int>(ink * 1000 / divisor);
}

bool BuildPalette(CharPalette& palette, const ArtSettings& settings, const Font& font) {
    palette.entries.clear();
    const TextMetrics tm = font.Metrics();
    const int height = tm.tmAscent + tm.tmDescent;
    for (const std::uint32_t code : CandidateCodes(settings))
        palette.entries.push_back({code, InkDensity(font, code, height)});
    return !palette.entries.empty();
}

CharPalette DrawnInkPalette(const CharPalette& palette, const Font& font) {
    const TextMetrics tm = font.Metrics();
    const int height = tm.tmAscent + tm.tmDescent;
    CharPalette drawn;
    drawn.entries.reserve(palette.entries.size());
    for (const PaletteEntry& e : palette.entries)
        drawn.entries.push_back({e.code, InkDensity(font, e.code, height, InkMeasure::Coverage)});
    SortPalette(drawn);
    return drawn;
}

void SortPalette(CharPalette& palette) {
    // The order key is the density as a 16-bit value; a stable sort keeps equal densities in
    // palette order so that the same settings always give the same art.
    for (auto& e : palette.entries)
        e.density = static_cast<std::uint16_t>(e.density);
    std::stable_sort(
        palette.entries.begin(), palette.entries.end(),
        [](const PaletteEntry& a, const PaletteEntry& b) { return a.density < b.density; });
}

} // namespace lumina
