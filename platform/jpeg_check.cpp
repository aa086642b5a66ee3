#include "platform/jpeg_check.h"

#include "platform/pixel_budget.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

namespace lumina {
namespace {

// libjpeg reports fatal errors through error_exit, which must not return: jump back to the
// checking function. Warnings say where the data ran short.
struct CheckContext {
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr error{};
    std::jmp_buf jump{};
    bool dataCutShort = false; // an entropy-coded segment ended before its data did
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
    auto* context = static_cast<CheckContext*>(cinfo->client_data);
    std::longjmp(context->jump, 1);
}

void NoteWarning(j_common_ptr cinfo, int level) {
    // JWRN_HIT_MARKER: the decoder needed more bits of a segment than the file holds (a cut-off
    // or damaged scan). Running out of file after the last scan (JWRN_JPEG_EOF alone) only
    // means the end marker is missing.
    if (level < 0 && cinfo->err->msg_code == JWRN_HIT_MARKER)
        static_cast<CheckContext*>(cinfo->client_data)->dataCutShort = true;
}

void Silent(j_common_ptr) {}

} // namespace

bool JpegDecodesCompletely(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 2)
        return true;
    auto context = std::make_unique<CheckContext>();
    jpeg_decompress_struct& cinfo = context->cinfo;
    cinfo.err = jpeg_std_error(&context->error);
    context->error.error_exit = ErrorExit;
    context->error.emit_message = NoteWarning;
    context->error.output_message = Silent;
    cinfo.client_data = context.get();
    // Changed between setjmp and a jump back, so kept out of registers.
    volatile bool headerRead = false;
    volatile bool complete = true;
    std::vector<JSAMPLE> row;
    if (setjmp(context->jump) == 0) {
        jpeg_create_decompress(&cinfo);
        jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
        if (jpeg_read_header(&cinfo, TRUE) == JPEG_HEADER_OK &&
            WithinPixelBudget(cinfo.image_width, cinfo.image_height)) {
            headerRead = true;
            // An eighth of the size reads all of the data at a fraction of the work.
            cinfo.scale_num = 1;
            cinfo.scale_denom = 8;
            cinfo.dct_method = JDCT_IFAST;
            jpeg_start_decompress(&cinfo);
            row.resize(static_cast<std::size_t>(cinfo.output_width) * cinfo.output_components);
            while (cinfo.output_scanline < cinfo.output_height && !context->dataCutShort) {
                JSAMPROW rows[1] = {row.data()};
                if (jpeg_read_scanlines(&cinfo, rows, 1) != 1)
                    break;
            }
            complete = cinfo.output_scanline == cinfo.output_height && !context->dataCutShort;
        }
    } else {
        // A fatal error after the header: the decoder cannot deliver the picture.
        complete = !headerRead;
    }
    jpeg_destroy_decompress(&cinfo);
    return complete;
}

} // namespace lumina
