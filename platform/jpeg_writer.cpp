#include "platform/jpeg_writer.h"

#include "platform/image_codec.h"
#include "platform/pixels.h"

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

void FillRgbRow(const ArgbImage& image, int y, std::vector<JSAMPLE>& row) {
    const std::uint32_t* pixels = image.Row(y);
    for (int x = 0; x < image.Width(); ++x) {
        const Channels c = Rgb32Pixel::Split(pixels[x]);
        row[3 * x] = static_cast<JSAMPLE>(c.r);
        row[3 * x + 1] = static_cast<JSAMPLE>(c.g);
        row[3 * x + 2] = static_cast<JSAMPLE>(c.b);
    }
}

} // namespace

std::optional<std::vector<std::uint8_t>> EncodeJpeg444(const ArgbImage& image, int quality) {
    if (image.IsNull() || image.Width() > JPEG_MAX_DIMENSION || image.Height() > JPEG_MAX_DIMENSION)
        return std::nullopt;
    auto context = std::make_unique<JpegContext>();
    std::vector<JSAMPLE> row(static_cast<std::size_t>(image.Width()) * 3);
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
        cinfo.input_components = 3;
        cinfo.in_color_space = JCS_RGB;
        jpeg_set_defaults(&cinfo);
        jpeg_set_quality(&cinfo, quality, TRUE);
        for (int c = 0; c < cinfo.num_components; ++c) {
            cinfo.comp_info[c].h_samp_factor = 1;
            cinfo.comp_info[c].v_samp_factor = 1;
        }
        jpeg_start_compress(&cinfo, TRUE);
        while (cinfo.next_scanline < cinfo.image_height) {
            FillRgbRow(image, static_cast<int>(cinfo.next_scanline), row);
            JSAMPROW rows[1] = {row.data()};
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
