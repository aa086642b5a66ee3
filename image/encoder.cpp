#include "image/encoder.h"

#include "image/file_bytes.h"
#include "image/picture_type.h"
#include "platform/gif_writer.h"
#include "platform/image_codec.h"
#include "platform/jpeg_writer.h"
#include "platform/surface.h"
#include "services/messages.h"

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
bool Save(const Services& services, const Bitmap& bitmap, const std::string& path, int width,
          int height, std::string_view typeWord, Owner owner) {
    bool saved = false;
    if (const auto kind = FindEncoder(typeWord)) {
        if (const auto target = ScaleToArgb(bitmap, width, height)) {
            if (const auto bytes = Encode(*kind, *target))
                saved = WriteWholeFile(path, *bytes);
        }
    }
    if (!saved)
        ShowMessageById(services, owner, "", kMsgNoMemory, kErrorOk);
    return saved;
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

bool SaveBitmapThroughEncoder(const Services& services, const Surface& bitmap,
                              const std::string& path, int width, int height,
                              std::string_view typeWord, Owner owner) {
    return Save(services, bitmap, path, width, height, typeWord, owner);
}

bool SaveBitmapThroughEncoder(const Services& services, const ArgbImage& bitmap,
                              const std::string& path, int width, int height,
                              std::string_view typeWord, Owner owner) {
    return Save(services, bitmap, path, width, height, typeWord, owner);
}

} // namespace lumina
