#include "platform/jpeg_writer.h"

#include "platform/image_codec.h"

#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include <jpeglib.h>

namespace lumina {
namespace {

// libjpeg reports fatal errors through error_exit, which must not return: jump back to the
// encoding function, whose frame holds nothing that needs destroying.
struct JpegContext {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr error{};
    std::jmp_buf jump{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
    auto* context = static_cast<JpegContext*>(cinfo->client_data);
    std::longjmp(context->jump, 1);
}

void SilentMessage(j_common_ptr) {}

} // namespace

std::optional<std::vector<std::uint8_t>> EncodeJpeg444(const ArgbImage& image, int quality) {
    static_assert(std::endian::native == std::endian::little);
    if (image.IsNull() || image.Width() > JPEG_MAX_DIMENSION || image.Height() > JPEG_MAX_DIMENSION)
        return std::nullopt;
    auto context = std::make_unique<JpegContext>();
    std::optional<std::vector<std::uint8_t>> result;
    jpeg_compress_struct& cinfo = context->cinfo;
    cinfo.err = jpeg_std_error(&context->error);
    context->error.error_exit = ErrorExit;
    context->error.output_message = SilentMessage;
    cinfo.client_data = context.get();
    if (setjmp(context->jump) == 0) {
        jpeg_create_compress(&cinfo);
        jpeg_mem_dest(&cinfo, &context->buffer, &context->size);
        cinfo.image_width = static_cast<JDIMENSION>(image.Width());
        cinfo.image_height = static_cast<JDIMENSION>(image.Height());
        // The rows as they lie (blue, green, red, alpha): libjpeg takes them without a copy and
        // converts them to YCbCr exactly as it does RGB.
        cinfo.input_components = 4;
        cinfo.in_color_space = JCS_EXT_BGRA;
        jpeg_set_defaults(&cinfo);
        jpeg_set_quality(&cinfo, quality, TRUE);
        for (int c = 0; c < cinfo.num_components; ++c) {
            cinfo.comp_info[c].h_samp_factor = 1;
            cinfo.comp_info[c].v_samp_factor = 1;
        }
        jpeg_start_compress(&cinfo, TRUE);
        while (cinfo.next_scanline < cinfo.image_height) {
            // libjpeg only reads the rows; its interface is not const.
            JSAMPROW rows[1] = {const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE*>(
                image.Row(static_cast<int>(cinfo.next_scanline))))};
            jpeg_write_scanlines(&cinfo, rows, 1);
        }
        jpeg_finish_compress(&cinfo);
        try {
            result.emplace(context->buffer, context->buffer + context->size);
        } catch (const std::bad_alloc&) {
            result.reset();
        }
    }
    jpeg_destroy_compress(&cinfo);
    std::free(context->buffer);
    return result;
}

} // namespace lumina
