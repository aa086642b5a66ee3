#pragma once

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
    friend bool operator==(const LogicalFont&, const LogicalFont&) = default;
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
};

// A realised font: face, size, weight, slant and angle. What it answers never changes, so it
// may be shared; it keeps a glyph cache and the rasteriser's state as it works, so one thread
// at a time uses it.
class Font {
public:
    virtual ~Font() = default;

    virtual const LogicalFont& Logical() const = 0;
    virtual const ResolvedFace& Face() const = 0;
    virtual TextMetrics Metrics() const = 0;

    // The glyph of a code page 932 code (one byte, or lead * 256 + trail) in the given format.
    // nullopt when the code is not one character or the rasteriser refused the glyph.
    virtual std::optional<GlyphData> Glyph(std::uint32_t code, GlyphFormat format) const = 0;

    // Width and height of the box of the code's one or two bytes as text.
    virtual Size CodeExtent(std::uint32_t code) const = 0;
    // Width and height of the box of a UTF-8 text drawn on one line.
    virtual Size TextExtent(std::string_view utf8) const = 0;

    // The coverage of the code's text (cell top-left at 0,0, turned about it).
    virtual std::vector<GlyphImage> RenderCode(std::uint32_t code) const = 0;
    // The coverage of a UTF-8 text (cell top-left of the first character at 0,0, turned about it).
    virtual std::vector<GlyphImage> RenderText(std::string_view utf8) const = 0;
};

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
