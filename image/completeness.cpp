#include "image/completeness.h"

#include "platform/jpeg_check.h"

#include <cstdlib>
#include <optional>

namespace lumina {
namespace {

std::uint32_t Le(std::span<const std::uint8_t> b, std::size_t at, int count) {
    std::uint32_t v = 0;
    for (int i = count - 1; i >= 0; --i)
        v = (v << 8) | b[at + i];
    return v;
}

// Where an uncompressed (BI_RGB, BI_BITFIELDS) bitmap's rows end: with the last row's padding,
// and without it.
struct BitmapExtent {
    std::uint64_t withPadding = 0;
    std::uint64_t pixelsOnly = 0;
};

// The sizes a bitmap file's information header has: the old 12-byte one, the OS/2 ones and
// Windows' 40 to 124 bytes. A reader given another takes fields from wherever they fall.
bool KnownHeaderSize(std::uint32_t size) {
    for (std::uint32_t known : {12u, 16u, 40u, 52u, 56u, 64u, 108u, 124u})
        if (size == known)
            return true;
    return false;
}

bool IsBitmapFile(std::span<const std::uint8_t> b) {
    return b.size() >= 2 && b[0] == 'B' && b[1] == 'M';
}

// A bitmap file that ends inside its own headers, or whose header is of no known size: the
// reader takes what is missing as zeros and can make a picture of tens of millions of pixels
// out of a few bytes.
bool BitmapHeadersBroken(std::span<const std::uint8_t> b) {
    if (!IsBitmapFile(b))
        return false;
    if (b.size() < 14 + 4)
        return true;
    const std::uint32_t header = Le(b, 14, 4);
    if (!KnownHeaderSize(header) || 14 + std::uint64_t{header} > b.size())
        return true;
    // One plane of 1 to 32 bits a pixel; anything else is no bitmap a reader should guess at.
    const std::size_t planesAt = header == 12 ? 22 : 26;
    const std::uint32_t bits = Le(b, planesAt + 2, 2);
    const bool knownBits =
        bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    return Le(b, planesAt, 2) != 1 || !knownBits;
}

std::optional<BitmapExtent> BitmapExtentOf(std::span<const std::uint8_t> b) {
    if (!IsBitmapFile(b) || BitmapHeadersBroken(b))
        return std::nullopt;
    const std::uint32_t header = Le(b, 14, 4);
    // The old header has 16-bit sizes; the 16-byte OS/2 one ends before the compression.
    const bool core = header == 12;
    const std::uint32_t compression = header >= 20 ? Le(b, 30, 4) : 0;
    if (compression != 0 && compression != 3)
        return std::nullopt;
    const auto width =
        core ? static_cast<std::int32_t>(Le(b, 18, 2)) : static_cast<std::int32_t>(Le(b, 18, 4));
    const auto height = core ? static_cast<std::int32_t>(static_cast<std::int16_t>(Le(b, 20, 2)))
                             : static_cast<std::int32_t>(Le(b, 22, 4));
    const std::uint32_t bits = core ? Le(b, 24, 2) : Le(b, 28, 2);
    if (width <= 0 || height == 0 || height == INT32_MIN || bits == 0 || bits > 32)
        return std::nullopt;
    const std::uint64_t rowBits = std::uint64_t{static_cast<std::uint32_t>(width)} * bits;
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    const std::uint64_t rows = static_cast<std::uint64_t>(std::llabs(height));
    const std::uint64_t start = Le(b, 10, 4);
    return BitmapExtent{start + stride * rows, start + stride * (rows - 1) + (rowBits + 7) / 8};
}

} // namespace

bool LooksTruncated(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8)
        return !JpegDecodesCompletely(bytes);
    if (BitmapHeadersBroken(bytes))
        return true;
    const auto extent = BitmapExtentOf(bytes);
    return extent && extent->pixelsOnly > bytes.size();
}

std::size_t MissingBitmapPadding(std::span<const std::uint8_t> bytes) {
    const auto extent = BitmapExtentOf(bytes);
    if (!extent || extent->pixelsOnly > bytes.size() || extent->withPadding <= bytes.size())
        return 0;
    return static_cast<std::size_t>(extent->withPadding - bytes.size());
}

} // namespace lumina
