#include "image/completeness.h"

#include <cstdlib>

namespace lumina {
namespace {

std::uint32_t Le(std::span<const std::uint8_t> b, std::size_t at, int count) {
    std::uint32_t v = 0;
    for (int i = count - 1; i >= 0; --i)
        v = (v << 8) | b[at + i];
    return v;
}

// A JPEG's entropy-coded data never holds 0xFF followed by a marker byte, so the picture ends
// with an end-of-image marker after the start of its last scan. Data appended after it (a
// second picture, say) carries its own scan and end marker.
bool JpegTruncated(std::span<const std::uint8_t> b) {
    std::size_t lastScan = 0;
    bool scan = false;
    for (std::size_t i = 0; i + 1 < b.size(); ++i) {
        if (b[i] == 0xFF && b[i + 1] == 0xDA) {
            lastScan = i;
            scan = true;
        }
    }
    if (!scan)
        return false; // no picture data at all: the reader itself refuses it
    for (std::size_t i = lastScan + 2; i + 1 < b.size(); ++i) {
        if (b[i] == 0xFF && b[i + 1] == 0xD9)
            return false;
    }
    return true;
}

// Uncompressed (BI_RGB, BI_BITFIELDS) bitmaps: the rows must fit in the file.
bool BmpTruncated(std::span<const std::uint8_t> b) {
    if (b.size() < 14 + 40 || Le(b, 14, 4) < 40)
        return false;
    const std::uint32_t compression = Le(b, 30, 4);
    if (compression != 0 && compression != 3)
        return false;
    const auto width = static_cast<std::int32_t>(Le(b, 18, 4));
    const auto height = static_cast<std::int32_t>(Le(b, 22, 4));
    const std::uint32_t bits = Le(b, 28, 2);
    if (width <= 0 || height == 0 || height == INT32_MIN || bits == 0 || bits > 32)
        return false;
    const std::uint64_t stride =
        (std::uint64_t{static_cast<std::uint32_t>(width)} * bits + 31) / 32 * 4;
    const std::uint64_t rows = static_cast<std::uint64_t>(std::llabs(height));
    return std::uint64_t{Le(b, 10, 4)} + stride * rows > b.size();
}

} // namespace

bool LooksTruncated(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8)
        return JpegTruncated(bytes);
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        return BmpTruncated(bytes);
    return false;
}

} // namespace lumina
