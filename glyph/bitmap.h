#pragma once

#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/surface.h"
#include "services/problem.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lumina {

// The ink grid of a glyph: which pixels of its black box the rasteriser covers at all, and the
// picture of that grid for the bitmap view.
struct GlyphBitmap {
    int width = 0;                 // gmBlackBoxX rounded up to a multiple of 4
    int height = 0;                // gmBlackBoxY
    std::vector<std::uint8_t> ink; // width * height, row by row from the top; 1 = ink
    std::optional<Surface> image;  // width x height: ink black, everything else white
    int blackPixelCount = 0;
    GlyphMetrics metrics; // of the bitmap's fetch: its black box, origin and advance

    bool IsInk(int x, int y) const { return ink[static_cast<std::size_t>(y) * width + x] != 0; }
};

// The rasteriser's one-bit bitmap of a glyph.
struct GlyphMonoBitmap {
    std::uint32_t width = 0;        // gmBlackBoxX of the fetch
    std::uint32_t height = 0;       // gmBlackBoxY of the fetch
    int stride = 0;                 // bytes a row, a multiple of 4
    std::vector<std::uint8_t> bits; // stride * height; most significant bit leftmost, 1 = ink

    bool IsInk(std::uint32_t x, std::uint32_t y) const {
        return (bits[static_cast<std::size_t>(y) * stride + x / 8] & (0x80 >> (x % 8))) != 0;
    }
};

// Width of the ink grid and of the gray bitmap's rows: the black box width rounded up to 4.
int GlyphBitmapWidth(std::uint32_t blackBoxX);
// Bytes a row of a one-bit bitmap: ((width + 31) / 32) * 4.
int MonoStride(std::uint32_t width);

// The ink grid of a 17-level gray bitmap (levels 0..16, rows GlyphBitmapWidth bytes long) with
// its image in the given format. nullopt when the levels do not fill the grid or the image
// cannot be had.
std::optional<GlyphBitmap> MakeGlyphBitmap(const GlyphMetrics& metrics,
                                           std::span<const std::uint8_t> levels,
                                           PixelFormat format);

// Fetches the gray bitmap of code through the surface's selected font and builds the grid, its
// image (in the surface's format) and the black pixel count into bitmap. On failure bitmap is
// left as it was; the caller shows message 30068.
bool BuildGlyphBitmap(const Surface& surfaceWithFont, const GlyphKey& key, GlyphBitmap& bitmap);
// The same for a code page 932 code; a code that is not one character has no bitmap.
bool BuildGlyphBitmap(const Surface& surfaceWithFont, std::uint32_t code, GlyphBitmap& bitmap);

// The ink bounds of a drawing on white: left, top, right and bottom of the pixels that are not
// pure white, right and bottom inclusive. A drawing without ink gives the inverted rectangle
// (INT_MAX, INT_MAX, 0, 0). nullopt for a surface of fewer than 16 or more than 32 bits a pixel.
std::optional<Rect> MeasureInkBounds(const Surface& surface);

// black * 100 / ((ascent + descent) * baseLine), truncated; 0 when the divisor is 0.
int ComputeInkRatio(int blackPixelCount, int tmAscent, int tmDescent, int baseLine);
// The ink-ratio field's text, "%d%%".
std::string InkRatioText(int percent);

// Fetches the one-bit bitmap of code through the surface's selected font. A silent problem when
// the glyph has no ink (a space) or none can be had; 30001 when there is no memory for it.
Result<GlyphMonoBitmap> FetchMonoBitmap(const Surface& surfaceWithFont, const GlyphKey& key);
Result<GlyphMonoBitmap> FetchMonoBitmap(const Surface& surfaceWithFont, std::uint32_t code);

} // namespace lumina
