#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace lumina {

class ArgbImage;

// A baseline JPEG of the picture's colours (alpha is ignored) at the given quality (1-100),
// every component at full resolution (4:4:4): subsampled chroma smears the coloured edges of
// character art. nullopt when encoding fails.
std::optional<std::vector<std::uint8_t>> EncodeJpeg444(const ArgbImage& image, int quality);

} // namespace lumina
