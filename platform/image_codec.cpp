#include "platform/image_codec.h"

#include "platform/pixel_budget.h"
#include "platform/surface.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>
#include <cstring>

namespace lumina {
namespace {

// Qt refuses to allocate decoded images beyond a global limit (256 MB by default), which is
// below what a picture at our own pixel limit needs at 32 bits a pixel. A reader that decodes
// 16 bits a channel needs twice that and is held to it: such a picture may have half as many
// pixels, so that no load holds more than one picture's worth of the budget.
void RaiseReaderAllocationLimit(std::int64_t maxPixels) {
    const std::int64_t neededMb = maxPixels * 4 / (1024 * 1024) + 1;
    const int limit = static_cast<int>(std::min<std::int64_t>(neededMb, 1 << 20));
    if (QImageReader::allocationLimit() != 0 && QImageReader::allocationLimit() < limit)
        QImageReader::setAllocationLimit(limit);
}

bool TooLarge(const QSize& size, std::int64_t maxPixels) {
    return size.isValid() && std::int64_t{size.width()} * size.height() > maxPixels;
}

const QImage& NullImage() {
    static const QImage null;
    return null;
}

bool IsPictureFormat(const QByteArray& format) {
    for (const char* known : {"jpeg", "gif", "bmp", "png", "tiff"})
        if (format == known)
            return true;
    return false;
}

} // namespace

ArgbImage::ArgbImage() = default;
ArgbImage::ArgbImage(ArgbImage&&) noexcept = default;
ArgbImage& ArgbImage::operator=(ArgbImage&&) noexcept = default;
ArgbImage::~ArgbImage() = default;

ArgbImage::ArgbImage(QImage image) {
    if (image.isNull())
        return;
    // In place where the depth allows: a large picture is not held twice.
    if (image.format() != QImage::Format_ARGB32)
        image.convertTo(QImage::Format_ARGB32);
    if (image.isNull() || image.format() != QImage::Format_ARGB32)
        return;
    m_image = std::make_unique<QImage>(std::move(image));
}

std::optional<ArgbImage> ArgbImage::Create(int width, int height) {
    if (!WithinPixelBudget(width, height))
        return std::nullopt;
    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull())
        return std::nullopt;
    ArgbImage result(std::move(image));
    if (result.IsNull())
        return std::nullopt;
    return result;
}

bool ArgbImage::IsNull() const {
    return !m_image || m_image->isNull();
}
int ArgbImage::Width() const {
    return m_image ? m_image->width() : 0;
}
int ArgbImage::Height() const {
    return m_image ? m_image->height() : 0;
}

std::uint32_t* ArgbImage::Row(int y) {
    return reinterpret_cast<std::uint32_t*>(m_image->scanLine(y));
}

const std::uint32_t* ArgbImage::Row(int y) const {
    return reinterpret_cast<const std::uint32_t*>(m_image->constScanLine(y));
}

const QImage& ArgbImage::Image() const {
    return m_image ? *m_image : NullImage();
}

QImage ArgbImage::Release() && {
    QImage image = m_image ? std::move(*m_image) : QImage();
    m_image.reset();
    return image;
}

DecodedImage DecodeImage(std::span<const std::uint8_t> bytes, std::string_view format,
                         std::int64_t maxPixels) {
    DecodedImage result;
    if (bytes.empty())
        return result;
    RaiseReaderAllocationLimit(maxPixels);
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<qsizetype>(bytes.size()));
    QBuffer buffer;
    buffer.setData(data);
    if (!buffer.open(QIODevice::ReadOnly))
        return result;
    QByteArray chosen(format.data(), static_cast<qsizetype>(format.size()));
    // By content, only the formats a picture file of the program can be: the other readers Qt
    // has (SVG, XPM, PBM ...) draw a few bytes of text at whatever size they name.
    if (chosen.isEmpty()) {
        chosen = QImageReader::imageFormat(&buffer);
        if (!IsPictureFormat(chosen))
            return result;
    }
    QImageReader reader;
    reader.setFormat(chosen);
    reader.setAutoDetectImageFormat(false);
    reader.setDevice(&buffer);
    if (!reader.canRead())
        return result;
    if (TooLarge(reader.size(), maxPixels)) {
        result.status = DecodeStatus::TooLarge;
        return result;
    }
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return result;
    if (TooLarge(image.size(), maxPixels)) {
        result.status = DecodeStatus::TooLarge;
        return result;
    }
    result.hadAlpha = image.hasAlphaChannel();
    result.image = ArgbImage(std::move(image));
    result.status = result.image.IsNull() ? DecodeStatus::NoMemory : DecodeStatus::Ok;
    return result;
}

namespace {

std::optional<ArgbImage> ScaleQImage(const QImage& source, int width, int height) {
    if (source.isNull() || !WithinPixelBudget(width, height))
        return std::nullopt;
    QImage scaled =
        source.size() == QSize(width, height)
            ? source
            : source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (scaled.isNull())
        return std::nullopt;
    ArgbImage result(std::move(scaled));
    if (result.IsNull() || result.Width() != width || result.Height() != height)
        return std::nullopt;
    return result;
}

} // namespace

std::optional<ArgbImage> ScaleToArgb(const Surface& source, int width, int height) {
    return ScaleQImage(source.Image(), width, height);
}

std::optional<ArgbImage> ScaleToArgb(const ArgbImage& source, int width, int height) {
    return ScaleQImage(source.Image(), width, height);
}

namespace {

std::optional<std::vector<std::uint8_t>> Encode(const QImage& image, std::string_view format) {
    if (image.isNull())
        return std::nullopt;
    QByteArray data;
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::WriteOnly))
        return std::nullopt;
    QImageWriter writer(&buffer, QByteArray(format.data(), static_cast<qsizetype>(format.size())));
    if (!writer.write(image))
        return std::nullopt;
    buffer.close();
    return std::vector<std::uint8_t>(data.begin(), data.end());
}

} // namespace

std::optional<std::vector<std::uint8_t>> EncodeWithQtWriter(const ArgbImage& image,
                                                            std::string_view format) {
    return Encode(image.Image(), format);
}

std::optional<std::vector<std::uint8_t>> EncodeWithQtWriter(const Surface& surface,
                                                            std::string_view format) {
    return Encode(surface.Image(), format);
}

std::optional<Surface> SurfaceFromArgb(ArgbImage&& image, PixelFormat format, int dpiX, int dpiY) {
    QImage pixels = std::move(image).Release();
    const QImage::Format target =
        format == PixelFormat::Rgb16 ? QImage::Format_RGB16 : QImage::Format_RGB32;
    if (pixels.isNull())
        return std::nullopt;
    pixels.convertTo(target);
    if (pixels.isNull() || pixels.format() != target)
        return std::nullopt;
    return Surface::Adopt(std::move(pixels), dpiX, dpiY);
}

std::optional<Surface> SurfaceFromOpaqueArgb(ArgbImage&& image, PixelFormat format, int dpiX,
                                             int dpiY) {
    if (format != PixelFormat::Rgb32)
        return SurfaceFromArgb(std::move(image), format, dpiX, dpiY);
    QImage pixels = std::move(image).Release();
    // An ARGB pixel of alpha 255 is the RGB32 pixel of its colour.
    if (pixels.isNull() || !pixels.reinterpretAsFormat(QImage::Format_RGB32))
        return std::nullopt;
    return Surface::Adopt(std::move(pixels), dpiX, dpiY);
}

} // namespace lumina
