#include "platform/gif_writer.h"

#include "platform/image_codec.h"
#include "platform/pixels.h"

#include <gif_lib.h>
#include <libimagequant.h>

#include <memory>
#include <new>

namespace lumina {
namespace {

struct LiqAttrDeleter {
    void operator()(liq_attr* p) const { liq_attr_destroy(p); }
};
struct LiqImageDeleter {
    void operator()(liq_image* p) const { liq_image_destroy(p); }
};
struct LiqResultDeleter {
    void operator()(liq_result* p) const { liq_result_destroy(p); }
};
struct ColourMapDeleter {
    void operator()(ColorMapObject* p) const { GifFreeMapObject(p); }
};

// The picture's colours as RGBA bytes, every pixel opaque: a GIF written here has no
// transparent colour.
std::vector<unsigned char> OpaqueRgba(const ArgbImage& image) {
    std::vector<unsigned char> rgba(static_cast<std::size_t>(image.Width()) * image.Height() * 4);
    std::size_t i = 0;
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint32_t* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x) {
            const Channels c = Rgb32Pixel::Split(row[x]);
            rgba[i++] = static_cast<unsigned char>(c.r);
            rgba[i++] = static_cast<unsigned char>(c.g);
            rgba[i++] = static_cast<unsigned char>(c.b);
            rgba[i++] = 0xFF;
        }
    }
    return rgba;
}

// The palette and the picture's palette indices, dithered.
struct Quantised {
    std::vector<GifColorType> palette;
    std::vector<unsigned char> indices;
};

std::optional<Quantised> Quantise(const ArgbImage& image) {
    const std::vector<unsigned char> rgba = OpaqueRgba(image);
    std::unique_ptr<liq_attr, LiqAttrDeleter> attr(liq_attr_create());
    if (!attr || liq_set_max_colors(attr.get(), 256) != LIQ_OK)
        return std::nullopt;
    std::unique_ptr<liq_image, LiqImageDeleter> input(
        liq_image_create_rgba(attr.get(), rgba.data(), image.Width(), image.Height(), 0));
    if (!input)
        return std::nullopt;
    liq_result* raw = nullptr;
    if (liq_image_quantize(input.get(), attr.get(), &raw) != LIQ_OK || !raw)
        return std::nullopt;
    std::unique_ptr<liq_result, LiqResultDeleter> result(raw);
    liq_set_dithering_level(result.get(), 1.0f);
    Quantised out;
    out.indices.resize(rgba.size() / 4);
    if (liq_write_remapped_image(result.get(), input.get(), out.indices.data(),
                                 out.indices.size()) != LIQ_OK)
        return std::nullopt;
    const liq_palette* palette = liq_get_palette(result.get());
    for (unsigned i = 0; i < palette->count; ++i) {
        const liq_color& c = palette->entries[i];
        out.palette.push_back(GifColorType{c.r, c.g, c.b});
    }
    return out;
}

int AppendToVector(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    try {
        out->insert(out->end(), data, data + length);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return length;
}

// GIF colour tables hold a power of two of entries (at least 2).
std::unique_ptr<ColorMapObject, ColourMapDeleter>
MakeColourMap(const std::vector<GifColorType>& palette) {
    int size = 2;
    while (size < static_cast<int>(palette.size()))
        size *= 2;
    std::vector<GifColorType> entries(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
    std::copy(palette.begin(), palette.end(), entries.begin());
    return std::unique_ptr<ColorMapObject, ColourMapDeleter>(
        GifMakeMapObject(size, entries.data()));
}

bool WriteGif(GifFileType* gif, const Quantised& q, int width, int height) {
    const auto map = MakeColourMap(q.palette);
    if (!map || EGifPutScreenDesc(gif, width, height, map->BitsPerPixel, 0, map.get()) == GIF_ERROR)
        return false;
    if (EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_ERROR)
        return false;
    for (int y = 0; y < height; ++y) {
        auto* line =
            const_cast<GifPixelType*>(q.indices.data() + static_cast<std::size_t>(y) * width);
        if (EGifPutLine(gif, line, width) == GIF_ERROR)
            return false;
    }
    return true;
}

} // namespace

std::optional<std::vector<std::uint8_t>> EncodeGifQuantised(const ArgbImage& image) {
    if (image.IsNull() || image.Width() > 0xFFFF || image.Height() > 0xFFFF)
        return std::nullopt;
    try {
        const auto quantised = Quantise(image);
        if (!quantised)
            return std::nullopt;
        std::vector<std::uint8_t> bytes;
        int error = 0;
        GifFileType* gif = EGifOpen(&bytes, AppendToVector, &error);
        if (!gif)
            return std::nullopt;
        const bool written = WriteGif(gif, *quantised, image.Width(), image.Height());
        const bool closed = EGifCloseFile(gif, &error) != GIF_ERROR;
        if (!written || !closed)
            return std::nullopt;
        return bytes;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace lumina
