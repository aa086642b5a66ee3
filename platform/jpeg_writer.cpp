#include "platform/jpeg_writer.h"

#include "platform/image_codec.h"
#include "platform/jpeg_reader.h"

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
    // The bytes go straight into the vector the caller gets, which is freed on every way out,
    // an abandoned encoding included.
    jpeg_destination_mgr destination{};
    std::vector<std::uint8_t> bytes;
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
    auto* context = static_cast<JpegContext*>(cinfo->client_data);
    std::longjmp(context->jump, 1);
}

JpegContext& ContextOf(j_compress_ptr cinfo) {
    return *static_cast<JpegContext*>(cinfo->client_data);
}

// Gives libjpeg the bytes from used onwards, the vector grown to size first; a jump out when
// there is no memory for them.
void OfferBytes(j_compress_ptr cinfo, std::size_t used, std::size_t size) {
    JpegContext& context = ContextOf(cinfo);
    bool grown = true;
    try {
        context.bytes.resize(size);
    } catch (const std::bad_alloc&) {
        grown = false;
    }
    if (!grown)
        std::longjmp(context.jump, 1);
    context.destination.next_output_byte = context.bytes.data() + used;
    context.destination.free_in_buffer = size - used;
}

void InitDestination(j_compress_ptr cinfo) {
    OfferBytes(cinfo, 0, std::size_t{1} << 16);
}

// Called when every byte offered is used.
boolean GrowDestination(j_compress_ptr cinfo) {
    const std::size_t used = ContextOf(cinfo).bytes.size();
    OfferBytes(cinfo, used, used * 2);
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
    JpegContext& context = ContextOf(cinfo);
    context.bytes.resize(context.bytes.size() - context.destination.free_in_buffer);
}

void SilentMessage(j_common_ptr) {}

// The bytes written so far (size), and whether they are all.
void NoBytesWatch(const std::uint8_t*, std::size_t, bool) {}

// The encoding proper, over rows handed out one at a time; a null row abandons it. Each row
// written shows watch the bytes so far.
template <typename RowOf, typename Watch = decltype(NoBytesWatch)>
std::optional<std::vector<std::uint8_t>> EncodeRows(int width, int height, int quality,
                                                    const RowOf& rowOf,
                                                    const Watch& watch = NoBytesWatch) {
    static_assert(std::endian::native == std::endian::little);
    if (width <= 0 || height <= 0 || width > JPEG_MAX_DIMENSION || height > JPEG_MAX_DIMENSION)
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
        context->destination.init_destination = InitDestination;
        context->destination.empty_output_buffer = GrowDestination;
        context->destination.term_destination = TermDestination;
        cinfo.dest = &context->destination;
        cinfo.image_width = static_cast<JDIMENSION>(width);
        cinfo.image_height = static_cast<JDIMENSION>(height);
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
        bool abandoned = false;
        while (cinfo.next_scanline < cinfo.image_height) {
            const std::uint32_t* row = rowOf(static_cast<int>(cinfo.next_scanline));
            if (!row) {
                abandoned = true;
                break;
            }
            // libjpeg only reads the rows; its interface is not const.
            JSAMPROW rows[1] = {const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE*>(row))};
            jpeg_write_scanlines(&cinfo, rows, 1);
            const std::uint8_t* start = context->bytes.data();
            watch(start, static_cast<std::size_t>(context->destination.next_output_byte - start),
                  false);
        }
        if (!abandoned) {
            jpeg_finish_compress(&cinfo);
            watch(context->bytes.data(), context->bytes.size(), true);
            result = std::move(context->bytes);
        }
    }
    jpeg_destroy_compress(&cinfo);
    return result;
}

} // namespace

std::optional<std::vector<std::uint8_t>> EncodeJpeg444(const ArgbImage& image, int quality) {
    if (image.IsNull())
        return std::nullopt;
    return EncodeRows(image.Width(), image.Height(), quality,
                      [&image](int y) { return image.Row(y); });
}

JpegRowEncoder::JpegRowEncoder(ArgbImage& image, int quality)
    : m_width(image.Width()) {
    if (image.IsNull())
        return;
    // The rows are taken here, on the caller's thread: the picture is never touched by two.
    m_rows.reserve(static_cast<std::size_t>(image.Height()));
    for (int y = 0; y < image.Height(); ++y)
        m_rows.push_back(image.Row(y));
    m_thread = std::thread([this, quality] {
        JpegStreamDecoder decoder(m_rows, m_width);
        auto bytes = EncodeRows(
            m_width, static_cast<int>(m_rows.size()), quality,
            [this](int y) { return WaitForRow(y); },
            [&decoder](const std::uint8_t* data, std::size_t size, bool complete) {
                decoder.Feed(data, size, complete);
            });
        const std::lock_guard lock(m_mutex);
        m_roundTripped = bytes && decoder.Done();
        m_bytes = std::move(bytes);
    });
}

JpegRowEncoder::~JpegRowEncoder() {
    Stop();
}

void JpegRowEncoder::RowsDone(int count) {
    {
        const std::lock_guard lock(m_mutex);
        m_done = count;
    }
    m_changed.notify_one();
}

std::uint32_t* JpegRowEncoder::WaitForRow(int y) {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_abandoned || y < m_done; });
    return m_abandoned ? nullptr : m_rows[static_cast<std::size_t>(y)];
}

std::optional<std::vector<std::uint8_t>> JpegRowEncoder::Finish() {
    if (m_thread.joinable())
        m_thread.join();
    return std::move(m_bytes);
}

void JpegRowEncoder::Stop() {
    {
        const std::lock_guard lock(m_mutex);
        m_abandoned = true;
    }
    m_changed.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace lumina
