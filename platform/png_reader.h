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
    // Whether that thread also decoded the JPEG into the picture as it grew: the pixels are
    // then DecodeJpegDirect's of opaqueJpeg, the round trip done. With opaqueJpeg and without
    // this, the pixels are partly the JPEG's: decode opaqueJpeg.
    bool roundTripped = false;
};

// Decodes a PNG held in memory straight into ARGB pixels, a row at a time: the pixels and the
// alpha flag DecodeImage gives for it. 8-bit grey, grey with alpha, RGB, RGBA and palettes
// without interlacing are decoded here; anything else, and any file libpng complains about
// (even with a warning), is Unreadable: ask DecodeImage then. jpegQuality above 0 asks for the
// round trip of an opaque picture of at least roundTripMinPixels pixels through a JPEG at that
// quality, made beside the decoding (a smaller one is left to the caller: a second thread
// would hold the file, the pixels and both coders' buffers at once to save a millisecond).
PngDecoded DecodePngDirect(std::span<const std::uint8_t> bytes, std::int64_t maxPixels,
                           int jpegQuality = 0, std::int64_t roundTripMinPixels = 0);

} // namespace lumina
