#pragma once

#include "platform/pixels.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

class QImage;

namespace lumina {

class Surface;

// A picture of 32-bit pixels 0xAARRGGBB, not premultiplied (in memory: blue, green, red,
// alpha), rows top to bottom. Fully transparent pixels have alpha 0.
class ArgbImage {
public:
    ArgbImage();
    // nullopt when the size is not positive or the pixels cannot be had.
    static std::optional<ArgbImage> Create(int width, int height);

    ArgbImage(ArgbImage&&) noexcept;
    ArgbImage& operator=(ArgbImage&&) noexcept;
    ~ArgbImage();

    bool IsNull() const;
    int Width() const;
    int Height() const;
    std::uint32_t* Row(int y);
    const std::uint32_t* Row(int y) const;

    // For platform code.
    const QImage& Image() const;
    QImage Release() &&;              // the pixels, leaving the picture null
    explicit ArgbImage(QImage image); // converted to the ARGB layout; null when that fails

private:
    std::unique_ptr<QImage> m_image;
};

enum class DecodeStatus { Ok, Unreadable, TooLarge, NoMemory };

struct DecodedImage {
    DecodeStatus status = DecodeStatus::Unreadable;
    ArgbImage image;
    bool hadAlpha = false; // the decoder delivered an alpha channel
};

// Decodes an encoded picture held in memory. format "" recognises the format from the
// content; otherwise only that reader is tried ("jpeg", "png" ...). A picture of more than
// maxPixels pixels is refused (TooLarge) before its pixels are allocated whenever its header
// tells the size.
DecodedImage DecodeImage(std::span<const std::uint8_t> bytes, std::string_view format,
                         std::int64_t maxPixels);

// The whole source drawn into a new width x height ARGB image with smooth scaling, every pixel
// opaque where the source is. nullopt when the target cannot be had.
std::optional<ArgbImage> ScaleToArgb(const Surface& source, int width, int height);
std::optional<ArgbImage> ScaleToArgb(const ArgbImage& source, int width, int height);

// Encodes with Qt's writer; format is "png", "bmp" or "tiff". nullopt when it fails. A surface
// is written in its own pixel format.
std::optional<std::vector<std::uint8_t>> EncodeWithQtWriter(const ArgbImage& image,
                                                            std::string_view format);
std::optional<std::vector<std::uint8_t>> EncodeWithQtWriter(const Surface& surface,
                                                            std::string_view format);

// A surface of the picture's pixels in the given format (alpha is dropped). The picture's own
// memory becomes the surface's where the formats allow, so a large picture is not held twice.
// nullopt when the pixels cannot be had.
std::optional<Surface> SurfaceFromArgb(ArgbImage&& image, PixelFormat format, int dpiX, int dpiY);
// The same for a picture whose every pixel is opaque: its 32-bit pixels are taken as they are,
// without a pass over them.
std::optional<Surface> SurfaceFromOpaqueArgb(ArgbImage&& image, PixelFormat format, int dpiX,
                                             int dpiY);

} // namespace lumina
