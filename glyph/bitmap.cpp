#include "glyph/bitmap.h"

#include "platform/cp932.h"
#include "platform/pixels.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <limits>
#include <new>

namespace lumina {

namespace {

// Far beyond any glyph at 1000 points on a printer, and small enough that no size overflows.
constexpr std::uint32_t kMaxGlyphSide = 1u << 16;

// Ink black, everything else white.
template <class Px>
void WriteRow(std::uint8_t* row, const std::uint8_t* ink, int width) {
    const auto black = EncodeColour<Px>(Rgb(0, 0, 0));
    const auto white = EncodeColour<Px>(Rgb(255, 255, 255));
    for (int c = 0; c < width; ++c)
        Px::Store(row + c * Px::kBytes, ink[c] ? black : white);
}

// Widens the bounds by every pixel of the surface that is not pure white; on a surface of a
// higher ratio, by the pixel whose device pixels hold ink.
template <class Px>
void ExtendByInk(const Surface& surface, Rect& bounds) {
    const std::uint8_t* bits = surface.Bits();
    // The size is read once: the refresh measures a whole view surface each time.
    const int width = surface.DeviceWidth();
    const int height = surface.DeviceHeight();
    const int stride = surface.Stride();
    const int ratio = surface.Ratio();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = bits + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            if (Px::IsWhite(Px::Load(row + x * Px::kBytes)))
                continue;
            bounds.left = std::min(bounds.left, x / ratio);
            bounds.right = std::max(bounds.right, x / ratio);
            bounds.top = std::min(bounds.top, y / ratio);
            bounds.bottom = std::max(bounds.bottom, y / ratio);
        }
    }
}

} // namespace

int GlyphBitmapWidth(std::uint32_t blackBoxX) {
    const std::uint64_t width = (static_cast<std::uint64_t>(blackBoxX) + 3) & ~std::uint64_t{3};
    return static_cast<int>(std::min<std::uint64_t>(width, INT_MAX & ~3));
}

int MonoStride(std::uint32_t width) {
    return static_cast<int>((static_cast<std::uint64_t>(width) + 31) / 32 * 4);
}

std::optional<GlyphBitmap> MakeGlyphBitmap(const GlyphMetrics& metrics,
                                           std::span<const std::uint8_t> levels,
                                           PixelFormat format) {
    if (metrics.gmBlackBoxX > kMaxGlyphSide || metrics.gmBlackBoxY > kMaxGlyphSide)
        return std::nullopt;
    const int width = GlyphBitmapWidth(metrics.gmBlackBoxX);
    const int height = static_cast<int>(metrics.gmBlackBoxY);
    const std::size_t cells = static_cast<std::size_t>(width) * height;
    if (levels.size() < cells)
        return std::nullopt; // the rasteriser's rows do not fill the black box
    std::optional<Surface> image = Surface::Create(width, height, format);
    if (!image)
        return std::nullopt;

    GlyphBitmap bitmap;
    try {
        bitmap.ink.resize(cells);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    bitmap.width = width;
    bitmap.height = height;
    bitmap.metrics = metrics;
    // Any coverage at all is ink; the extra columns of each row are level 0.
    for (std::size_t i = 0; i < cells; ++i) {
        bitmap.ink[i] = levels[i] > 0 ? 1 : 0;
        bitmap.blackPixelCount += bitmap.ink[i];
    }
    std::uint8_t* bits = image->Bits();
    const int stride = image->Stride();
    for (int r = 0; r < height; ++r) {
        const std::uint8_t* ink = bitmap.ink.data() + static_cast<std::size_t>(r) * width;
        std::uint8_t* row = bits + static_cast<std::ptrdiff_t>(r) * stride;
        if (format == PixelFormat::Rgb16)
            WriteRow<Rgb16Pixel>(row, ink, width);
        else
            WriteRow<Rgb32Pixel>(row, ink, width);
    }
    bitmap.image = std::move(image);
    return bitmap;
}

namespace {

std::optional<GlyphKey> KeyOfCode(std::uint32_t code) {
    const std::optional<char32_t> c = cp932::CodeToUnicode(code);
    return c ? std::optional(GlyphKey::Char(*c)) : std::nullopt;
}

} // namespace

bool BuildGlyphBitmap(const Surface& surfaceWithFont, std::uint32_t code, GlyphBitmap& bitmap) {
    const std::optional<GlyphKey> key = KeyOfCode(code);
    return key && BuildGlyphBitmap(surfaceWithFont, *key, bitmap);
}

bool BuildGlyphBitmap(const Surface& surfaceWithFont, const GlyphKey& key, GlyphBitmap& bitmap) {
    const Font* font = surfaceWithFont.SelectedFont();
    if (!font)
        return false;
    try {
        const std::optional<GlyphData> gray = font->GlyphOf(key, GlyphFormat::Gray17);
        if (!gray || gray->bytes.empty())
            return false;
        std::optional<GlyphBitmap> built =
            MakeGlyphBitmap(gray->metrics, gray->bytes, surfaceWithFont.Format());
        if (!built)
            return false;
        bitmap = std::move(*built);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

std::optional<Rect> MeasureInkBounds(const Surface& surface) {
    const int depth = surface.BitsPerPixel();
    if (depth < 16 || depth > 32)
        return std::nullopt;
    Rect bounds{INT_MAX, INT_MAX, 0, 0};
    if (surface.Format() == PixelFormat::Rgb16)
        ExtendByInk<Rgb16Pixel>(surface, bounds);
    else
        ExtendByInk<Rgb32Pixel>(surface, bounds);
    return bounds;
}

int ComputeInkRatio(int blackPixelCount, int tmAscent, int tmDescent, int baseLine) {
    // Wide arithmetic so that an oversized glyph cannot overflow; the quotient is the same.
    const std::int64_t divisor =
        (static_cast<std::int64_t>(tmAscent) + tmDescent) * static_cast<std::int64_t>(baseLine);
    if (divisor == 0)
        return 0; // a glyph without advance or a font without height
    const std::int64_t percent = static_cast<std::int64_t>(blackPixelCount) * 100 / divisor;
    return static_cast<int>(std::clamp<std::int64_t>(percent, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

std::string InkRatioText(int percent) {
    char text[16];
    std::snprintf(text, sizeof text, "%d%%", percent);
    return text;
}

Result<GlyphMonoBitmap> FetchMonoBitmap(const Surface& surfaceWithFont, std::uint32_t code) {
    const std::optional<GlyphKey> key = KeyOfCode(code);
    if (!key)
        return Problem::Silent("the code is not one character");
    return FetchMonoBitmap(surfaceWithFont, *key);
}

Result<GlyphMonoBitmap> FetchMonoBitmap(const Surface& surfaceWithFont, const GlyphKey& key) {
    const Font* font = surfaceWithFont.SelectedFont();
    if (!font)
        return Problem::Silent("no font");
    try {
        std::optional<GlyphData> mono = font->GlyphOf(key, GlyphFormat::Mono);
        if (!mono || mono->bytes.empty())
            return Problem::Silent("the glyph has no ink");
        GlyphMonoBitmap bitmap;
        bitmap.width = mono->metrics.gmBlackBoxX;
        bitmap.height = mono->metrics.gmBlackBoxY;
        bitmap.stride = MonoStride(bitmap.width);
        const std::uint64_t needed = static_cast<std::uint64_t>(bitmap.stride) * bitmap.height;
        if (mono->bytes.size() < needed) // rows that do not fill the black box cannot be read
            return Problem::Silent("the one-bit bitmap is shorter than its black box");
        bitmap.bits = std::move(mono->bytes);
        bitmap.bits.resize(static_cast<std::size_t>(needed));
        return bitmap;
    } catch (const std::bad_alloc&) {
        return Problem::Failed(kMsgNoMemory);
    }
}

} // namespace lumina
