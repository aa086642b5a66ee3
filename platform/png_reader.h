#pragma once

#include "platform/image_codec.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lumina {

struct PngDecoded {
    DecodedImage decoded;
    // The JPEG EncodeJpeg444 makes of the decoded picture, when it was asked for and the
    // picture is opaque: encoded on a second thread as the rows come out of the decoder.
    std::optional<std::vector<std::uint8_t>> opaqueJpeg;
};

// Decodes a PNG held in memory straight into ARGB pixels, a row at a time: the pixels and the
// alpha flag DecodeImage gives for it. 8-bit grey, grey with alpha, RGB, RGBA and palettes
// without interlacing are decoded here; anything else, and any file libpng complains about
// (even with a warning), is Unreadable: ask DecodeImage then. jpegQuality above 0 asks for the
// opaque picture's JPEG at that quality.
PngDecoded DecodePngDirect(std::span<const std::uint8_t> bytes, std::int64_t maxPixels,
                           int jpegQuality = 0);

} // namespace lumina
