#pragma once

#include "platform/geometry.h"

#include <cstdint>
#include <span>
#include <string>

namespace lumina {

struct Services;

// The 32-bit BMP scan for a transparent colour over the file's bytes.
struct BmpScan {
    bool notBmp = false; // the bytes do not begin with "BM"
    bool found = false;
    COLORREF colour = kNoColour;
};
BmpScan ScanBmpBytes(std::span<const std::uint8_t> bytes);

// The PNG scan for a background colour over the file's bytes: it looks for chunk names
// anywhere in the bytes rather than walking the chunks.
struct PngScan {
    bool headerFound = false;
    COLORREF colour = kNoColour;
};
PngScan ScanPngBytes(std::span<const std::uint8_t> bytes);

} // namespace lumina
