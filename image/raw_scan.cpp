#include "image/raw_scan.h"

#include "platform/image_codec.h"
#include "platform/pixels.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace lumina {
namespace {

// Every read is checked against the file's length: a short or crafted file reads as "no such
// value" rather than beyond its end.
std::optional<std::uint8_t> ByteAt(std::span<const std::uint8_t> bytes, std::uint64_t offset) {
    if (offset >= bytes.size())
        return std::nullopt;
    return bytes[offset];
}

std::optional<std::uint32_t> LittleEndian(std::span<const std::uint8_t> bytes, std::uint64_t offset,
                                          int count) {
    if (offset + count > bytes.size())
        return std::nullopt;
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[offset + i];
    return value;
}

// The first offset >= from (and <= last) where the four letters of name begin.
std::optional<std::uint64_t> Find(std::span<const std::uint8_t> bytes, std::string_view name,
                                  std::uint64_t from, std::uint64_t last = UINT64_MAX) {
    for (std::uint64_t i = from; i + name.size() <= bytes.size() && i <= last; ++i) {
        if (std::equal(name.begin(), name.end(), bytes.begin() + i,
                       [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; }))
            return i;
    }
    return std::nullopt;
}

constexpr std::uint64_t kAfterSignature = 8;

// bKGD of a grey-with-alpha (grey level at +5) or RGB-with-alpha (red, green, blue at +5, +7,
// +9) picture: the low bytes of the 16-bit samples. White when there is no usable chunk.
COLORREF BackgroundColour(std::span<const std::uint8_t> bytes, bool rgb) {
    const auto at = Find(bytes, "bKGD", kAfterSignature);
    if (!at)
        return Rgb(255, 255, 255);
    const auto r = ByteAt(bytes, *at + 5);
    const auto g = rgb ? ByteAt(bytes, *at + 7) : r;
    const auto b = rgb ? ByteAt(bytes, *at + 9) : r;
    if (!r || !g || !b)
        return Rgb(255, 255, 255);
    return Rgb(*r, *g, *b);
}

// The palette colour of the first tRNS entry that is not fully opaque.
COLORREF PaletteTransparentColour(std::span<const std::uint8_t> bytes) {
    const auto trns = Find(bytes, "tRNS", kAfterSignature);
    if (!trns)
        return kNoColour;
    // The byte before the name is the low byte of the chunk length: 256 entries count as 0.
    const int count = bytes[*trns - 1];
    std::optional<int> index;
    for (int i = 0; i < count; ++i) {
        const auto alpha = ByteAt(bytes, *trns + 4 + i);
        if (!alpha)
            break;
        if (*alpha != 255) {
            index = i;
            break;
        }
    }
    if (!index)
        return kNoColour;
    const auto plte = Find(bytes, "PLTE", kAfterSignature);
    if (!plte)
        return kNoColour;
    const std::uint64_t entry = *plte + 4 + 3 * static_cast<std::uint64_t>(*index);
    const auto r = ByteAt(bytes, entry);
    const auto g = ByteAt(bytes, entry + 1);
    const auto b = ByteAt(bytes, entry + 2);
    if (!r || !g || !b)
        return kNoColour;
    return Rgb(*r, *g, *b);
}

} // namespace

BmpScan ScanBmpBytes(std::span<const std::uint8_t> bytes) {
    BmpScan result;
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') {
        result.notBmp = true;
        return result;
    }
    const auto bitCount = LittleEndian(bytes, 28, 2);
    const auto offBits = LittleEndian(bytes, 10, 4);
    const auto sizeImage = LittleEndian(bytes, 34, 4);
    if (!bitCount || *bitCount != 32 || !offBits || !sizeImage)
        return result;
    const std::uint64_t pixels = *sizeImage / 4;
    for (std::uint64_t i = 0; i < pixels; ++i) {
        const std::uint64_t at = *offBits + 4 * i;
        if (at + 4 > bytes.size())
            break;
        // The file's pixels lie as those of a 32-bit surface: blue, green, red, alpha.
        const std::uint32_t pixel = Rgb32Pixel::Load(bytes.data() + at);
        const int alpha = Rgb32Pixel::Alpha(pixel);
        if (alpha == 0 || alpha == 237) {
            result.found = true;
            result.colour = DecodeColour<Rgb32Pixel>(pixel);
            break;
        }
    }
    return result;
}

bool ApplyBitmapFileAlpha(std::span<const std::uint8_t> bytes, ArgbImage& image) {
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M' || image.IsNull())
        return false;
    const auto bitCount = LittleEndian(bytes, 28, 2);
    const auto compression = LittleEndian(bytes, 30, 4);
    const auto offBits = LittleEndian(bytes, 10, 4);
    const auto width = LittleEndian(bytes, 18, 4);
    const auto height = LittleEndian(bytes, 22, 4);
    if (!bitCount || *bitCount != 32 || !compression || *compression != 0 || !offBits || !width ||
        !height || static_cast<std::int32_t>(*width) != image.Width())
        return false;
    const auto signedHeight = static_cast<std::int32_t>(*height);
    const bool bottomUp = signedHeight > 0;
    if (signedHeight == INT32_MIN || (bottomUp ? signedHeight : -signedHeight) != image.Height())
        return false;
    const std::uint64_t stride = 4 * std::uint64_t{*width};
    const std::uint64_t rows = static_cast<std::uint64_t>(image.Height());
    if (*offBits + stride * rows > bytes.size())
        return false;
    const auto alphaAt = [&](std::uint64_t row, int x) {
        const std::uint64_t at = *offBits + row * stride + 4 * static_cast<std::uint64_t>(x);
        return Rgb32Pixel::Alpha(Rgb32Pixel::Load(bytes.data() + at));
    };
    bool anyAlpha = false;
    for (std::uint64_t r = 0; r < rows && !anyAlpha; ++r) {
        for (int x = 0; x < image.Width() && !anyAlpha; ++x)
            anyAlpha = alphaAt(r, x) != 0;
    }
    if (!anyAlpha)
        return false;
    for (std::uint64_t r = 0; r < rows; ++r) {
        const int y = bottomUp ? image.Height() - 1 - static_cast<int>(r) : static_cast<int>(r);
        std::uint32_t* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x)
            row[x] = Rgb32Pixel::WithAlpha(row[x], alphaAt(r, x));
    }
    return true;
}

PngScan ScanPngBytes(std::span<const std::uint8_t> bytes) {
    static constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P',  'N',  'G',
                                                            0x0D, 0x0A, 0x1A, 0x0A};
    PngScan result;
    if (bytes.size() < kSignature.size() ||
        !std::equal(kSignature.begin(), kSignature.end(), bytes.begin()))
        return result;
    const auto ihdr = Find(bytes, "IHDR", kAfterSignature, bytes.size() - 5);
    if (!ihdr)
        return result;
    const auto colourType = ByteAt(bytes, *ihdr + 13);
    if (!colourType)
        return result;
    result.headerFound = true;
    if (*colourType == 4)
        result.colour = BackgroundColour(bytes, false);
    else if (*colourType == 6)
        result.colour = BackgroundColour(bytes, true);
    else if (*colourType == 3)
        result.colour = PaletteTransparentColour(bytes);
    return result;
}

} // namespace lumina
