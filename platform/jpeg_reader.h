#pragma once

#include "platform/image_codec.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace lumina {

// Decodes a JPEG held in memory straight into ARGB pixels, every one opaque: the pixels
// DecodeImage gives for it, without its staging rows and conversions. The pixels go into
// reuse's memory when it has the picture's size, so a round trip through JPEG needs no second
// picture. Unreadable whenever libjpeg complains (even with a warning) or the picture is one
// DecodeImage treats otherwise (four components, an Exif block): ask DecodeImage then.
DecodedImage DecodeJpegDirect(std::span<const std::uint8_t> bytes, std::int64_t maxPixels,
                              ArgbImage reuse = {});

// Decodes a JPEG while it is still being written, into rows of width ARGB pixels (one pointer a
// row of the picture): exactly the pixels DecodeJpegDirect gives for the finished bytes. A row is
// written only once the JPEG holds it, so an encoder may decode into the rows it has read.
// Whenever libjpeg complains, or the JPEG is not one DecodeJpegDirect takes, decoding stops
// and Done stays false: decode the finished bytes then.
class JpegStreamDecoder {
public:
    JpegStreamDecoder(std::vector<std::uint32_t*> rows, int width);
    ~JpegStreamDecoder();
    JpegStreamDecoder(const JpegStreamDecoder&) = delete;
    JpegStreamDecoder& operator=(const JpegStreamDecoder&) = delete;

    // The bytes written so far (they may have moved since the last call, never changed);
    // complete when there will be no more.
    void Feed(const std::uint8_t* bytes, std::size_t size, bool complete);
    bool Done() const;

    struct State;

private:
    std::unique_ptr<State> m_state;
};

} // namespace lumina
