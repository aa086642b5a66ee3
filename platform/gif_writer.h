#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace lumina {

class ArgbImage;

// A GIF of the picture's colours (alpha is ignored) with a palette of at most 256 colours
// chosen for the picture and error-diffusion dithering. nullopt when encoding fails.
std::optional<std::vector<std::uint8_t>> EncodeGifQuantised(const ArgbImage& image);

} // namespace lumina
