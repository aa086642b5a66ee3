#include "platform/jpeg_reader.h"

#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

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
    ArgbImage image;        // here, not in a frame the jump leaves
    void* stream = nullptr; // the stream decoder's state, when it is one
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

// libjpeg's state and a suspending source over bytes that grow between calls.
struct JpegStreamDecoder::State {
    enum class Stage { Header, Start, Rows, Finish, Done, Failed };
    ReadContext context;
    jpeg_source_mgr source{};
    const std::uint8_t* base = nullptr; // where the bytes lay at the last call
    std::size_t pendingSkip = 0;        // bytes to skip that were not written yet
    Stage stage = Stage::Header;
    std::vector<std::uint32_t*> rows;
    int width = 0;
};

namespace {

using StreamState = JpegStreamDecoder::State;

StreamState& StateOf(j_decompress_ptr cinfo) {
    return *static_cast<StreamState*>(static_cast<ReadContext*>(cinfo->client_data)->stream);
}

void NoSourceStart(j_decompress_ptr) {}
void NoSourceEnd(j_decompress_ptr) {}

// No more bytes yet: libjpeg suspends and keeps what it has not consumed.
boolean Suspend(j_decompress_ptr) {
    return FALSE;
}

void SkipBytes(j_decompress_ptr cinfo, long count) {
    jpeg_source_mgr& source = *cinfo->src;
    if (count <= 0)
        return;
    const auto n = static_cast<std::size_t>(count);
    const std::size_t here = std::min(n, source.bytes_in_buffer);
    source.next_input_byte += here;
    source.bytes_in_buffer -= here;
    StateOf(cinfo).pendingSkip += n - here;
}

void Step(StreamState& s) {
    using Stage = StreamState::Stage;
    jpeg_decompress_struct& cinfo = s.context.cinfo;
    if (s.stage == Stage::Header) {
        const int header = jpeg_read_header(&cinfo, TRUE);
        if (header == JPEG_SUSPENDED)
            return;
        if (header != JPEG_HEADER_OK || !Plain(cinfo) || HasExif(cinfo) ||
            cinfo.image_width != static_cast<JDIMENSION>(s.width) ||
            cinfo.image_height != static_cast<JDIMENSION>(s.rows.size())) {
            s.stage = Stage::Failed;
            return;
        }
        cinfo.out_color_space = JCS_EXT_BGRA;
        s.stage = Stage::Start;
    }
    if (s.stage == Stage::Start) {
        if (!jpeg_start_decompress(&cinfo))
            return;
        s.stage = Stage::Rows;
    }
    while (s.stage == Stage::Rows && cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW rows[4];
        const auto y = static_cast<std::size_t>(cinfo.output_scanline);
        const int count = std::min<int>(4, static_cast<int>(cinfo.output_height - y));
        for (int i = 0; i < count; ++i)
            rows[i] = reinterpret_cast<JSAMPROW>(s.rows[y + static_cast<std::size_t>(i)]);
        if (jpeg_read_scanlines(&cinfo, rows, static_cast<JDIMENSION>(count)) == 0)
            return;
    }
    if (s.stage == Stage::Rows)
        s.stage = Stage::Finish;
    if (s.stage == Stage::Finish && jpeg_finish_decompress(&cinfo))
        s.stage = Stage::Done;
}

} // namespace

JpegStreamDecoder::JpegStreamDecoder(std::vector<std::uint32_t*> rows, int width)
    : m_state(std::make_unique<State>()) {
    State& s = *m_state;
    s.rows = std::move(rows);
    s.width = width;
    jpeg_decompress_struct& cinfo = s.context.cinfo;
    cinfo.err = jpeg_std_error(&s.context.error);
    s.context.error.error_exit = ErrorExit;
    s.context.error.emit_message = NoteMessage;
    cinfo.client_data = &s.context;
    s.context.stream = &s;
    s.source.init_source = NoSourceStart;
    s.source.fill_input_buffer = Suspend;
    s.source.skip_input_data = SkipBytes;
    s.source.resync_to_restart = jpeg_resync_to_restart;
    s.source.term_source = NoSourceEnd;
    if (setjmp(s.context.jump) == 0) {
        jpeg_create_decompress(&cinfo);
        cinfo.src = &s.source;
        jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 4);
    } else {
        s.stage = State::Stage::Failed;
    }
}

JpegStreamDecoder::~JpegStreamDecoder() {
    jpeg_destroy_decompress(&m_state->context.cinfo);
}

void JpegStreamDecoder::Feed(const std::uint8_t* bytes, std::size_t size, bool complete) {
    State& s = *m_state;
    if (s.stage == State::Stage::Done || s.stage == State::Stage::Failed)
        return;
    // What libjpeg has not consumed lies from next_input_byte on, wherever the bytes are now.
    std::size_t start = s.base ? static_cast<std::size_t>(s.source.next_input_byte - s.base) : 0;
    start += s.pendingSkip;
    s.pendingSkip = start > size ? start - size : 0;
    start = std::min(start, size);
    s.base = bytes;
    s.source.next_input_byte = bytes + start;
    s.source.bytes_in_buffer = size - start;
    if (setjmp(s.context.jump) == 0)
        Step(s);
    else
        s.stage = State::Stage::Failed;
    if (s.context.warned || (complete && s.stage != State::Stage::Done))
        s.stage = State::Stage::Failed;
}

bool JpegStreamDecoder::Done() const {
    return m_state->stage == State::Stage::Done;
}

} // namespace lumina
