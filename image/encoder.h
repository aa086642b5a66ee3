#pragma once

#include "services/problem.h"

#include <optional>
#include <string>
#include <string_view>

namespace lumina {

class Surface;
class ArgbImage;

enum class EncoderKind { Jpeg, Gif, Bmp, Png, Tiff };

// The encoder whose MIME type is exactly "image/" + the lower-cased type word, among the five
// offered (image/jpeg, image/gif, image/bmp, image/png, image/tiff). "jpg", "tif" and any
// other word find none.
std::optional<EncoderKind> FindEncoder(std::string_view typeWord);

// Every encoder is asked for this quality; the JPEG encoder honours it.
inline constexpr int kEncoderQuality = 100;

// Draws the bitmap with smooth scaling into a 32-bit ARGB target of width x height (the
// aspect ratio is not kept) and writes it to path in the format of the type word. Any failure
// (no encoder, no memory, the file cannot be written) is 30001; nothing is written when no
// encoder is found.
Status SaveBitmapThroughEncoder(const Surface& bitmap, const std::string& path, int width,
                                int height, std::string_view typeWord);
Status SaveBitmapThroughEncoder(const ArgbImage& bitmap, const std::string& path, int width,
                                int height, std::string_view typeWord);

} // namespace lumina
