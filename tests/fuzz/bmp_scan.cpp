// links: lumina_image
// The 32-bit bitmap scan and the cut-off check over arbitrary bytes: both must stay inside
// the buffer whatever the header fields say.
#include "image/completeness.h"
#include "image/raw_scan.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const lumina::BmpScan scan = lumina::ScanBmpBytes(bytes);
    if (scan.found && scan.colour > 0xFFFFFF)
        std::abort(); // a found colour is a COLORREF of red, green and blue only
    if (scan.notBmp && scan.found)
        std::abort();
    lumina::LooksTruncated(bytes);
    return 0;
}
