#pragma once

#include "platform/face_tables.h"
#include "platform/geometry.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumina {

// The face the program falls back to. No Linux desktop has a font of this name, so the font
// system resolves it (and an empty name) to an installed Japanese gothic face.
inline constexpr std::string_view kDefaultFaceName = "MS UI Gothic";

// The fields of a logical font that the program sets; the rest are the rasteriser's business.
struct LogicalFont {
    std::string faceName; // UTF-8; empty means the default face
    int height = 0;       // negative: em height in pixels; positive: cell height in pixels
    int weight = 400;     // 400 regular, 700 bold
    bool italic = false;
    int escapement = 0; // tenths of a degree, counter-clockwise
    bool hinted = true; // outlines and pixels fitted to the pixel grid by the font's hinting
    friend bool operator==(const LogicalFont&, const LogicalFont&) = default;
};

// Which glyph of a face: the one its character map gives a Unicode scalar value (through its
// variation sequences when a selector follows), or one by its index in the face, as a
// substitution gives it.
struct GlyphKey {
    char32_t scalar = 0;
    char32_t selector = 0;              // U+FE00..FE0F or U+E0100..E01EF; 0 for none
    std::optional<std::uint32_t> index; // when set, scalar and selector are not looked up

    static GlyphKey Char(char32_t scalar, char32_t selector = 0) {
        return GlyphKey{scalar, selector, std::nullopt};
    }
    static GlyphKey Index(std::uint32_t index) { return GlyphKey{0, 0, index}; }
    friend bool operator==(const GlyphKey&, const GlyphKey&) = default;
};

// A point of an outline as the font stores it, before any conversion to cubic segments.
enum class SourcePointKind {
    On,    // on the curve
    Conic, // a quadratic (TrueType) control point
    Cubic, // a cubic (CFF) control point
};

struct SourcePoint {
    double x = 0; // pixels at the font's size, right from the origin (26.6 values / 64)
    double y = 0; // pixels up from the base line
    SourcePointKind kind = SourcePointKind::On;
    friend bool operator==(const SourcePoint&, const SourcePoint&) = default;
};

// The font's own outline of a glyph: its contours and points in the font's order, at the
// font's size, slant and weight but not turned by its escapement.
struct SourceOutline {
    std::vector<std::vector<SourcePoint>> contours;
    std::size_t PointCount() const {
        std::size_t n = 0;
        for (const auto& contour : contours)
            n += contour.size();
        return n;
    }
};

// Text metrics in pixels of the realised font.
struct TextMetrics {
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    int tmWeight = 0;
};

// Metrics of one glyph as turned by the font's escapement, in device pixels.
struct GlyphMetrics {
    std::uint32_t gmBlackBoxX = 0;
    std::uint32_t gmBlackBoxY = 0;
    Point gmptGlyphOrigin;       // left and top of the black box relative to the origin, y up
    std::int16_t gmCellIncX = 0; // turned advance, device pixels
    std::int16_t gmCellIncY = 0; // turned advance, y down (negative when the text runs upward)
};

enum class GlyphFormat {
    Native, // polygon records: TTPOLYGONHEADER / TTPOLYCURVE / POINTFX, 16.16, y up
    Mono,   // one bit a pixel, rows on 4-byte boundaries, most significant bit leftmost, 1 = ink
    Gray17, // one byte a pixel, levels 0..16, rows padded to 4 bytes
};

struct GlyphData {
    GlyphMetrics metrics;
    std::vector<std::uint8_t> bytes; // empty when the glyph has nothing in this format (a space)
};

// A rendered glyph's coverage, placed relative to a text's reference point (top-left of the
// first character's cell, before turning), y down; coverage 0..255.
struct GlyphImage {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage; // width * height, row by row
};

// What a logical font resolved to on this machine.
struct ResolvedFace {
    std::string family;
    std::string file;
    int index = 0;
    bool embolden = false; // synthetic bold
    bool oblique = false;  // synthetic slant
    // The face answers to none of the names asked for: fontconfig put another face in its
    // place (a configured alias, or its last resort for a name it does not know).
    bool substituted = false;
};

// A realised font: face, size, weight, slant, angle and hinting. What it answers never changes,
// so it may be shared; it keeps a glyph cache and the rasteriser's state as it works, so one
// thread at a time uses it.
class Font {
public:
    virtual ~Font() = default;

    virtual const LogicalFont& Logical() const = 0;
    virtual const ResolvedFace& Face() const = 0;
    virtual TextMetrics Metrics() const = 0;

    // A glyph in the given format; a character the face does not map gives its missing glyph
    // (index 0). nullopt when the rasteriser refused the glyph.
    virtual std::optional<GlyphData> GlyphOf(const GlyphKey& key, GlyphFormat format) const = 0;
    // The glyph of a code page 932 code (one byte, or lead * 256 + trail); nullopt when the code
    // is not one character or the rasteriser refused the glyph.
    std::optional<GlyphData> Glyph(std::uint32_t code, GlyphFormat format) const;

    // The index of the glyph a key selects; 0, the missing glyph, when the face has none.
    virtual std::uint32_t IndexOf(const GlyphKey& key) const = 0;
    // The outline of a glyph as the font stores it; nullopt when the face has no outline for
    // it (a bitmap face) or the rasteriser refused it.
    virtual std::optional<SourceOutline> SourcePointsOf(const GlyphKey& key) const = 0;
    // The nearest character after (direction +1) or before (-1) c that the face maps to a
    // glyph; nullopt when there is none that way.
    virtual std::optional<char32_t> NextMapped(char32_t c, int direction) const = 0;
    // The coverage of one glyph drawn as text (cell top-left at 0,0, turned about it).
    virtual std::vector<GlyphImage> RenderGlyph(const GlyphKey& key) const = 0;

    // Width and height of the box of the code's one or two bytes as text.
    virtual Size CodeExtent(std::uint32_t code) const = 0;
    // Width and height of the box of a UTF-8 text drawn on one line.
    virtual Size TextExtent(std::string_view utf8) const = 0;

    // The coverage of the code's text (cell top-left at 0,0, turned about it).
    virtual std::vector<GlyphImage> RenderCode(std::uint32_t code) const = 0;
    // The coverage of a UTF-8 text (cell top-left of the first character at 0,0, turned about
    // it); a variation selector after a character picks that character's variant.
    virtual std::vector<GlyphImage> RenderText(std::string_view utf8) const = 0;

    // The values of the face's own tables at this font's em (see FaceTables); every table
    // value nullopt for a font that has no tables to read.
    virtual FaceTables Tables() const { return {}; }
    // The glyph a character becomes in vertical Japanese text, with its vertical advance and
    // origin at this font's size, unturned. A key by index is already a glyph and is not
    // substituted. nullopt when the rasteriser refused the glyph, or for a font without
    // vertical forms to give.
    virtual std::optional<VerticalGlyph> Vertical(const GlyphKey&) const { return std::nullopt; }
};

// True for the variation selectors U+FE00..FE0F and U+E0100..E01EF.
constexpr bool IsVariationSelector(char32_t c) {
    return (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF);
}

class FontSystem {
public:
    virtual ~FontSystem() = default;

    // nullptr when no face can be had for the request.
    virtual std::shared_ptr<const Font> CreateFont(const LogicalFont& logical) = 0;
    // Installed families, sorted, each once.
    virtual std::vector<std::string> Families() = 0;
    // What a face name, weight and slant resolve to.
    virtual std::optional<ResolvedFace> Resolve(const LogicalFont& logical) = 0;
};

// The FreeType and fontconfig font system.
std::unique_ptr<FontSystem> MakeFreeTypeFontSystem();

} // namespace lumina
