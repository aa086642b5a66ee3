#pragma once

#include "platform/image_codec.h"

#include <cstdint>
#include <span>

namespace lumina {

// Decodes a JPEG held in memory straight into ARGB pixels, every one opaque: the pixels
// DecodeImage gives for it, without its staging rows and conversions. The pixels go into
// reuse's memory when it has the picture's size, so a round trip through JPEG needs no second
// picture. Unreadable whenever libjpeg complains (even with a warning) or the picture is one
// DecodeImage treats otherwise (four components, an Exif block): ask DecodeImage then.
DecodedImage DecodeJpegDirect(std::span<const std::uint8_t> bytes, std::int64_t maxPixels,
                              ArgbImage reuse = {});

} // namespace lumina
