#pragma once

#include "platform/geometry.h"

#include <cstdint>
#include <span>
#include <string>

namespace lumina {

struct Services;
class ArgbImage;

// The 32-bit BMP scan for a transparent colour over the file's bytes.
struct BmpScan {
    bool notBmp = false; // the bytes do not begin with "BM"
    bool found = false;
    COLORREF colour = kNoColour;
};
BmpScan ScanBmpBytes(std::span<const std::uint8_t> bytes);

// The reader gives a 32-bit bitmap file (BI_RGB) opaque; its fourth bytes are the alpha the
// picture was saved with, and it is flattened by them as a PNG file of the same picture would
// be. Puts them into the decoded picture of those bytes. False, the picture unchanged, for any
// other file, when the sizes disagree, or when every fourth byte is 0 (a writer that leaves it
// unused: the picture is opaque).
bool ApplyBitmapFileAlpha(std::span<const std::uint8_t> bytes, ArgbImage& image);

// The PNG scan for a background colour over the file's bytes: it looks for chunk names
// anywhere in the bytes rather than walking the chunks.
struct PngScan {
    bool headerFound = false;
    COLORREF colour = kNoColour;
};
PngScan ScanPngBytes(std::span<const std::uint8_t> bytes);

} // namespace lumina
