#pragma once

#include <cstdint>

namespace lumina {

// The most pixels any picture the program makes may have: the source picture, the art surface,
// an exported or converted image, a printed tile. A few hundred bytes of file or one typed
// number can otherwise ask for gigabytes; every such size is checked against this before its
// pixels are allocated.
inline constexpr std::int64_t kMaxPicturePixels = 200'000'000;

// Whether a width x height picture may be made: both positive and within the budget. The
// product is taken in 64 bits, so any two ints can be asked.
constexpr bool WithinPixelBudget(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPicturePixels &&
           height <= kMaxPicturePixels / width;
}

} // namespace lumina
