#include "platform/png_reader.h"

#include "platform/jpeg_writer.h"

#include <array>
#include <bit>
#include <csetjmp>
#include <cstring>
#include <memory>

#include <png.h>

namespace lumina {
namespace {

// libpng reports fatal errors through the error function, which must not return: jump back to
// the decoding function, whose frame holds nothing that needs destroying after the jump.
struct ReadContext {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::jmp_buf jump{};
    bool warned = false;
    std::span<const std::uint8_t> bytes;
    std::size_t offset = 0;
    bool table = false;                     // rows of grey levels or palette indices
    std::array<std::uint32_t, 256> colours; // their ARGB colours
    int colourCount = 0;
    std::vector<std::uint8_t> samples;  // one row of them
    ArgbImage image;                    // here, not in a frame the jump leaves
    std::optional<JpegRowEncoder> jpeg; // after the image: gone before the rows it reads
};

[[noreturn]] void ErrorExit(png_structp png, png_const_charp) {
    std::longjmp(static_cast<ReadContext*>(png_get_error_ptr(png))->jump, 1);
}

void NoteWarning(png_structp png, png_const_charp) {
    static_cast<ReadContext*>(png_get_error_ptr(png))->warned = true;
}

void ReadBytes(png_structp png, png_bytep out, png_size_t length) {
    auto* context = static_cast<ReadContext*>(png_get_io_ptr(png));
    if (context->bytes.size() - context->offset < length)
        png_error(png, "the file is cut off");
    std::memcpy(out, context->bytes.data() + context->offset, length);
    context->offset += length;
}

std::uint32_t Argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return a << 24 | r << 16 | g << 8 | b;
}

// Qt's reader gives a grey picture a table of evenly spaced levels; the tRNS level becomes
// transparent black, except in a two-level picture, where it keeps its colour. True when that
// made a transparent colour.
bool GreyColours(ReadContext& c, int depth) {
    const int count = 1 << depth;
    for (int i = 0; i < count; ++i) {
        const auto level = static_cast<std::uint32_t>(i * 255 / (count - 1));
        c.colours[static_cast<std::size_t>(i)] = Argb(255, level, level, level);
    }
    c.colourCount = count;
    png_color_16p transparent = nullptr;
    if (!png_get_tRNS(c.png, c.info, nullptr, nullptr, &transparent) || !transparent ||
        transparent->gray >= count)
        return false;
    std::uint32_t& colour = c.colours[transparent->gray];
    colour = depth == 1 ? colour & 0x00FFFFFFu : 0;
    return true;
}

// The palette with the tRNS alphas, as many entries as Qt's reader keeps (two for a 1-bit
// picture). False when the palette is not one it takes that way.
bool PaletteColours(ReadContext& c, int depth, bool& hadAlpha) {
    png_colorp palette = nullptr;
    int count = 0;
    if (!png_get_PLTE(c.png, c.info, &palette, &count) || count <= 0 || count > 256)
        return false;
    png_bytep alphas = nullptr;
    int alphaCount = 0;
    if (!png_get_tRNS(c.png, c.info, &alphas, &alphaCount, nullptr) || !alphas)
        alphaCount = 0;
    c.colourCount = depth == 1 ? 2 : count;
    if (count < c.colourCount)
        return false;
    hadAlpha = false;
    for (int i = 0; i < c.colourCount; ++i) {
        const std::uint32_t alpha = i < alphaCount ? alphas[i] : 255;
        const png_color& p = palette[i];
        c.colours[static_cast<std::size_t>(i)] = Argb(alpha, p.red, p.green, p.blue);
        hadAlpha = hadAlpha || alpha != 255;
    }
    return true;
}

// libpng's own transforms to blue, green, red, alpha bytes, as Qt's reader asks for them.
bool DirectTransforms(ReadContext& c, int colourType) {
    png_set_expand(c.png);
    if (colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(c.png);
    const bool alpha =
        (colourType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(c.png, c.info, PNG_INFO_tRNS);
    if (!alpha)
        png_set_filler(c.png, 0xFF, PNG_FILLER_AFTER);
    png_set_bgr(c.png);
    return alpha;
}

void ReadRow(ReadContext& c, int y) {
    std::uint32_t* out = c.image.Row(y);
    if (!c.table) {
        png_read_row(c.png, reinterpret_cast<png_bytep>(out), nullptr);
        return;
    }
    png_read_row(c.png, c.samples.data(), nullptr);
    const std::size_t width = c.samples.size();
    bool outside = false;
    for (std::size_t x = 0; x < width; ++x) {
        const std::uint8_t v = c.samples[x];
        outside = outside || v >= c.colourCount;
        out[x] = c.colours[v];
    }
    // An index past the palette is a broken file: Qt's reader has its own way with it.
    if (outside)
        png_error(c.png, "palette index out of range");
}

// The decoding proper; status stays Unreadable when libpng gave up or the file is left to Qt.
void Decode(ReadContext& c, std::int64_t maxPixels, int jpegQuality,
            std::int64_t roundTripMinPixels, PngDecoded& result) {
    png_set_read_fn(c.png, &c, ReadBytes);
    png_read_info(c.png, c.info);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int depth = 0;
    int colourType = 0;
    int interlace = 0;
    png_get_IHDR(c.png, c.info, &width, &height, &depth, &colourType, &interlace, nullptr, nullptr);
    // An Exif block may turn the picture: left to Qt's reader, as is everything uncommon.
    if (c.warned || interlace != PNG_INTERLACE_NONE || depth > 8 ||
        png_get_valid(c.png, c.info, PNG_INFO_eXIf))
        return;
    if (std::int64_t{width} * height > maxPixels) {
        result.decoded.status = DecodeStatus::TooLarge;
        return;
    }
    bool hadAlpha = false;
    c.table = colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_PALETTE;
    if (colourType == PNG_COLOR_TYPE_GRAY) {
        hadAlpha = GreyColours(c, depth);
    } else if (colourType == PNG_COLOR_TYPE_PALETTE) {
        if (!PaletteColours(c, depth, hadAlpha))
            return;
    } else {
        hadAlpha = DirectTransforms(c, colourType);
    }
    if (c.table && depth < 8)
        png_set_packing(c.png);
    png_read_update_info(c.png, c.info);
    if (png_get_rowbytes(c.png, c.info) != (c.table ? width : std::size_t{width} * 4))
        return;
    if (auto made = ArgbImage::Create(static_cast<int>(width), static_cast<int>(height)))
        c.image = std::move(*made);
    else
        return; // Qt's reader says what a picture without memory gets
    if (c.table)
        c.samples.resize(width);
    if (jpegQuality > 0 && !hadAlpha && std::int64_t{width} * height >= roundTripMinPixels)
        c.jpeg.emplace(c.image, jpegQuality);
    for (int y = 0; y < static_cast<int>(height); ++y) {
        ReadRow(c, y);
        if (c.jpeg)
            c.jpeg->RowsDone(y + 1);
    }
    png_read_end(c.png, nullptr);
    if (c.warned)
        return;
    if (c.jpeg) {
        result.opaqueJpeg = c.jpeg->Finish();
        result.roundTripped = c.jpeg->RoundTripped();
    }
    result.decoded.hadAlpha = hadAlpha;
    result.decoded.image = std::move(c.image);
    result.decoded.status = DecodeStatus::Ok;
}

} // namespace

PngDecoded DecodePngDirect(std::span<const std::uint8_t> bytes, std::int64_t maxPixels,
                           int jpegQuality, std::int64_t roundTripMinPixels) {
    static_assert(std::endian::native == std::endian::little);
    PngDecoded result;
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0)
        return result;
    auto context = std::make_unique<ReadContext>();
    context->bytes = bytes;
    context->png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, context.get(), ErrorExit, NoteWarning);
    if (!context->png)
        return result;
    context->info = png_create_info_struct(context->png);
    if (context->info && setjmp(context->jump) == 0)
        Decode(*context, maxPixels, jpegQuality, roundTripMinPixels, result);
    else
        result = PngDecoded{};
    png_destroy_read_struct(&context->png, &context->info, nullptr);
    return result;
}

} // namespace lumina
