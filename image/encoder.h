#pragma once

#include "services/problem.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
// aspect ratio is not kept) and writes it to path in the format of the type word, through the
// program's one file writer: an existing file is replaced only by a complete one. Any failure
// is 30001, its detail saying what failed (no encoder, a size beyond the pixel budget, the
// system's reason the file could not be written); nothing is written when no encoder is found.
Status SaveBitmapThroughEncoder(const Surface& bitmap, const std::string& path, int width,
                                int height, std::string_view typeWord);
Status SaveBitmapThroughEncoder(const ArgbImage& bitmap, const std::string& path, int width,
                                int height, std::string_view typeWord);

// The same image file's bytes, in memory.
Result<std::vector<std::uint8_t>> EncodeThroughEncoder(const ArgbImage& bitmap, int width,
                                                       int height, std::string_view typeWord);

// 30001 with its detail when a width x height picture would pass the pixel budget; what names
// the picture in the detail ("the art", "the image").
Status CheckPixelBudget(std::int64_t width, std::int64_t height, std::string_view what);

} // namespace lumina
