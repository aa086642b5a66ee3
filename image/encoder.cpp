#include "image/encoder.h"

#include "image/picture_type.h"
#include "platform/atomic_file.h"
#include "platform/gif_writer.h"
#include "platform/image_codec.h"
#include "platform/jpeg_writer.h"
#include "platform/pixel_budget.h"
#include "platform/surface.h"

#include <array>
#include <utility>

namespace lumina {
namespace {

constexpr std::array<std::pair<std::string_view, EncoderKind>, 5> kEncoders{{
    {"image/jpeg", EncoderKind::Jpeg},
    {"image/gif", EncoderKind::Gif},
    {"image/bmp", EncoderKind::Bmp},
    {"image/png", EncoderKind::Png},
    {"image/tiff", EncoderKind::Tiff},
}};

std::optional<std::vector<std::uint8_t>> Encode(EncoderKind kind, const ArgbImage& image) {
    switch (kind) {
    case EncoderKind::Jpeg:
        return EncodeJpeg444(image, kEncoderQuality);
    case EncoderKind::Gif:
        return EncodeGifQuantised(image);
    case EncoderKind::Bmp:
        return EncodeWithQtWriter(image, "bmp");
    case EncoderKind::Png:
        return EncodeWithQtWriter(image, "png");
    case EncoderKind::Tiff:
        return EncodeWithQtWriter(image, "tiff");
    }
    return std::nullopt;
}

template <typename Bitmap>
Result<std::vector<std::uint8_t>> EncodeBytes(const Bitmap& bitmap, int width, int height,
                                              std::string_view typeWord) {
    const auto kind = FindEncoder(typeWord);
    if (!kind)
        return Problem::Failed(kMsgNoMemory, {}, "no encoder for '" + std::string(typeWord) + "'");
    if (const Status budget = CheckPixelBudget(width, height, "the image"); !budget)
        return budget.problem();
    const auto target = ScaleToArgb(bitmap, width, height);
    if (!target)
        return Problem::Failed(kMsgNoMemory, {}, "no memory for the scaled image");
    auto bytes = Encode(*kind, *target);
    if (!bytes)
        return Problem::Failed(kMsgNoMemory, {}, "the encoder failed");
    return std::move(*bytes);
}

template <typename Bitmap>
Status Save(const Bitmap& bitmap, const std::string& path, int width, int height,
            std::string_view typeWord) {
    const auto bytes = EncodeBytes(bitmap, width, height, typeWord);
    if (!bytes)
        return bytes.problem();
    const WriteResult written = WriteFileAtomically(path, std::span<const std::uint8_t>(*bytes));
    if (!written)
        return Problem::Failed(kMsgNoMemory, {}, "cannot write " + path + ": " + written.reason);
    return {};
}

} // namespace

std::optional<EncoderKind> FindEncoder(std::string_view typeWord) {
    const std::string mime = "image/" + LowerAscii(typeWord);
    for (const auto& [type, kind] : kEncoders) {
        if (mime == type)
            return kind;
    }
    return std::nullopt;
}

Result<std::vector<std::uint8_t>> EncodeThroughEncoder(const ArgbImage& bitmap, int width,
                                                       int height, std::string_view typeWord) {
    return EncodeBytes(bitmap, width, height, typeWord);
}

Status CheckPixelBudget(std::int64_t width, std::int64_t height, std::string_view what) {
    if (WithinPixelBudget(width, height))
        return {};
    return Problem::Failed(kMsgNoMemory, {},
                           std::string(what) + " of " + std::to_string(width) + " x " +
                               std::to_string(height) + " pixels is beyond the " +
                               std::to_string(kMaxPicturePixels) + " pixels a picture may have");
}

Status SaveBitmapThroughEncoder(const Surface& bitmap, const std::string& path, int width,
                                int height, std::string_view typeWord) {
    return Save(bitmap, path, width, height, typeWord);
}

Status SaveBitmapThroughEncoder(const ArgbImage& bitmap, const std::string& path, int width,
                                int height, std::string_view typeWord) {
    return Save(bitmap, path, width, height, typeWord);
}

} // namespace lumina
