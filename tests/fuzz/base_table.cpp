// links: lumina_platform
// The BASE table reader over arbitrary bytes: every structure it follows must lie inside them,
// and what it gives are 16-bit coordinates.
#include "platform/base_table.h"

#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

void CheckCoordinate(const std::optional<int>& v) {
    if (v && (*v < -32768 || *v > 32767))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const lumina::BaseValues v = lumina::ReadBaseValues(std::span<const std::uint8_t>(data, size));
    CheckCoordinate(v.ideo);
    CheckCoordinate(v.icfb);
    CheckCoordinate(v.icft);
    return 0;
}
