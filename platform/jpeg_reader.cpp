#include "platform/jpeg_reader.h"

#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

#include <jpeglib.h>

namespace lumina {
namespace {

// libjpeg reports fatal errors through error_exit, which must not return: jump back to the
// decoding function, whose frame holds nothing that needs destroying after the jump.
struct ReadContext {
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr error{};
    std::jmp_buf jump{};
    bool warned = false;
    ArgbImage image; // here, not in a frame the jump leaves
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
    auto* context = static_cast<ReadContext*>(cinfo->client_data);
    std::longjmp(context->jump, 1);
}

void NoteMessage(j_common_ptr cinfo, int level) {
    if (level < 0)
        static_cast<ReadContext*>(cinfo->client_data)->warned = true;
}

bool HasExif(const jpeg_decompress_struct& cinfo) {
    for (jpeg_saved_marker_ptr m = cinfo.marker_list; m; m = m->next) {
        if (m->marker == JPEG_APP0 + 1 && m->data_length >= 4 &&
            std::memcmp(m->data, "Exif", 4) == 0)
            return true;
    }
    return false;
}

// Colour spaces whose conversion to RGB libjpeg does the same way for every reader.
bool Plain(const jpeg_decompress_struct& cinfo) {
    switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
        return cinfo.num_components == 1;
    case JCS_YCbCr:
    case JCS_RGB:
        return cinfo.num_components == 3;
    default:
        return false;
    }
}

ArgbImage Target(ArgbImage reuse, int width, int height) {
    if (!reuse.IsNull() && reuse.Width() == width && reuse.Height() == height)
        return reuse;
    reuse = ArgbImage(); // gone before the new picture is had
    auto made = ArgbImage::Create(width, height);
    return made ? std::move(*made) : ArgbImage();
}

// The decoding proper; status stays Unreadable when libjpeg gave up.
void Decode(ReadContext& context, std::span<const std::uint8_t> bytes, std::int64_t maxPixels,
            ArgbImage& reuse, DecodedImage& result) {
    jpeg_decompress_struct& cinfo = context.cinfo;
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 4);
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK || !Plain(cinfo) || HasExif(cinfo))
        return;
    const std::int64_t width = cinfo.image_width;
    const std::int64_t height = cinfo.image_height;
    if (width * height > maxPixels) {
        result.status = DecodeStatus::TooLarge;
        return;
    }
    cinfo.out_color_space = JCS_EXT_BGRA; // ARGB in memory on a little-endian machine, alpha 255
    jpeg_start_decompress(&cinfo);
    context.image = Target(std::move(reuse), static_cast<int>(width), static_cast<int>(height));
    ArgbImage& image = context.image;
    if (image.IsNull()) {
        result.status = DecodeStatus::NoMemory;
        return;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW rows[4];
        const int y = static_cast<int>(cinfo.output_scanline);
        const int count = std::min<int>(4, static_cast<int>(cinfo.output_height) - y);
        for (int i = 0; i < count; ++i)
            rows[i] = reinterpret_cast<JSAMPROW>(image.Row(y + i));
        jpeg_read_scanlines(&cinfo, rows, static_cast<JDIMENSION>(count));
    }
    jpeg_finish_decompress(&cinfo);
    if (context.warned)
        return;
    result.image = std::move(image);
    result.status = DecodeStatus::Ok;
}

} // namespace

DecodedImage DecodeJpegDirect(std::span<const std::uint8_t> bytes, std::int64_t maxPixels,
                              ArgbImage reuse) {
    static_assert(std::endian::native == std::endian::little);
    DecodedImage result;
    if (bytes.empty())
        return result;
    auto context = std::make_unique<ReadContext>();
    jpeg_decompress_struct& cinfo = context->cinfo;
    cinfo.err = jpeg_std_error(&context->error);
    context->error.error_exit = ErrorExit;
    context->error.emit_message = NoteMessage;
    cinfo.client_data = context.get();
    if (setjmp(context->jump) == 0) {
        jpeg_create_decompress(&cinfo);
        Decode(*context, bytes, maxPixels, reuse, result);
    } else {
        result = DecodedImage{};
    }
    jpeg_destroy_decompress(&cinfo);
    return result;
}

} // namespace lumina
