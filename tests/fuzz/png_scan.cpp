// links: lumina_image
// The PNG background scan over arbitrary bytes: every offset it reads (IHDR + 13, bKGD + 9,
// tRNS entries, PLTE + 6 + 3 * index) must lie inside the buffer.
#include "image/raw_scan.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const lumina::PngScan scan = lumina::ScanPngBytes(std::span<const std::uint8_t>(data, size));
    if (!scan.headerFound && scan.colour != lumina::kNoColour)
        std::abort(); // without a header there is never a colour
    if (scan.colour != lumina::kNoColour && scan.colour > 0xFFFFFF)
        std::abort();
    return 0;
}
