#include "glyph/bitmap.h"

#include "platform/cp932.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <limits>
#include <new>

namespace lumina {

namespace {

// Far beyond any glyph at 1000 points on a printer, and small enough that no size overflows.
constexpr std::uint32_t kMaxGlyphSide = 1u << 16;

constexpr std::uint32_t kBlack32 = 0xFF000000u;
constexpr std::uint32_t kWhite32 = 0xFFFFFFFFu;
constexpr std::uint16_t kBlack16 = 0x0000;
constexpr std::uint16_t kWhite16 = 0xFFFF;

void WriteRow32(std::uint8_t* row, const std::uint8_t* ink, int width) {
    for (int c = 0; c < width; ++c) {
        const std::uint32_t pixel = ink[c] ? kBlack32 : kWhite32;
        std::memcpy(row + 4 * c, &pixel, sizeof pixel);
    }
}

void WriteRow16(std::uint8_t* row, const std::uint8_t* ink, int width) {
    for (int c = 0; c < width; ++c) {
        const std::uint16_t pixel = ink[c] ? kBlack16 : kWhite16;
        std::memcpy(row + 2 * c, &pixel, sizeof pixel);
    }
}

bool IsWhite32(const std::uint8_t* pixel) {
    return pixel[0] == 0xFF && pixel[1] == 0xFF && pixel[2] == 0xFF; // blue, green, red
}

bool IsWhite16(const std::uint8_t* pixel) {
    return pixel[0] == 0xFF && pixel[1] == 0xFF;
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
            WriteRow16(row, ink, width);
        else
            WriteRow32(row, ink, width);
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
    const bool rgb16 = surface.Format() == PixelFormat::Rgb16;
    const int bytesPerPixel = rgb16 ? 2 : 4;
    Rect bounds{INT_MAX, INT_MAX, 0, 0};
    const std::uint8_t* bits = surface.Bits();
    // The size is read once: the refresh measures a whole view surface each time.
    const int width = surface.Width();
    const int height = surface.Height();
    const int stride = surface.Stride();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = bits + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* pixel = row + x * bytesPerPixel;
            if (rgb16 ? IsWhite16(pixel) : IsWhite32(pixel))
                continue;
            bounds.left = std::min(bounds.left, x);
            bounds.right = std::max(bounds.right, x);
            bounds.top = std::min(bounds.top, y);
            bounds.bottom = std::max(bounds.bottom, y);
        }
    }
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
