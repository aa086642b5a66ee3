#include "art/sampling.h"

#include "platform/surface.h"

#include <algorithm>

namespace lumina {
namespace {

struct Rgb3 {
    int r, g, b;
};

Rgb3 Pixel32(const std::uint8_t* p) {
    return {p[2], p[1], p[0]};
}

Rgb3 Pixel16(const std::uint8_t* p) {
    const int v = p[0] | (p[1] << 8);
    return {v >> 11, (v >> 5) & 63, v & 31};
}

struct PieceResult {
    std::int32_t darkness;
    COLORREF colour;
};

template <bool kWide>
PieceResult SamplePiece(const Surface& s, int x0, int y0, int range, double g[3], bool colour) {
    const int x1 = std::min(x0 + range, s.Width());
    const int y1 = std::min(y0 + range, s.Height());
    if (x0 >= x1 || y0 >= y1)
        return {0, 0xFFFFFF};
    const std::uint8_t* bits = s.Bits();
    const int stride = s.Stride();
    constexpr int kBytes = kWide ? 4 : 2;
    double sum = 0.0;
    for (int y = y0; y < y1; ++y) {
        const std::uint8_t* p = bits + static_cast<size_t>(y) * stride + x0 * kBytes;
        for (int x = x0; x < x1; ++x, p += kBytes) {
            const Rgb3 c = kWide ? Pixel32(p) : Pixel16(p);
            sum += static_cast<double>(c.r * c.g * c.b);
        }
    }
    const double n = static_cast<double>(x1 - x0) * (y1 - y0);
    const double scale = kWide ? 1.0 / 16777216.0 : 1.0 / 65536.0;
    PieceResult result{1000 - static_cast<std::int32_t>(sum / n * 1000.0 * scale), 0};
    if (colour) {
        const std::uint8_t* first = bits + static_cast<size_t>(y0) * stride + x0 * kBytes;
        Rgb3 c = kWide ? Pixel32(first) : Pixel16(first);
        if (!kWide)
            c = {c.r * 8, c.g * 4, c.b * 8};
        result.colour = Rgb(GainChannel(c.r, g[0]), GainChannel(c.g, g[1]), GainChannel(c.b, g[2]));
    }
    return result;
}

} // namespace

double ColourGain(int step) {
    return ((step - 5) * 2 + 10) / 10.0;
}

int GainChannel(int channel, double gain) {
    return static_cast<int>(std::clamp(channel * gain, 0.0, 255.0));
}

bool SamplePicture(const Surface& source, const ArtLayout& layout, const ArtSettings& settings,
                   CellGrid& grid) {
    const bool wide = source.Format() == PixelFormat::Rgb32;
    if (!wide && source.Format() != PixelFormat::Rgb16)
        return false;
    const bool colour = settings.Mono == 0;
    grid.cols = layout.cols;
    grid.rows = layout.rows;
    const size_t count = static_cast<size_t>(layout.cols) * static_cast<size_t>(layout.rows);
    grid.cells.assign(count, 0);
    if (colour)
        grid.colours.assign(count, 0xFFFFFF);
    else
        grid.colours.clear();
    double gains[3] = {ColourGain(settings.BrightR), ColourGain(settings.BrightG),
                       ColourGain(settings.BrightB)};
    const int range = layout.range;
    for (int r = 0; r < layout.rows; ++r) {
        for (int c = 0; c < layout.cols; ++c) {
            const PieceResult piece =
                wide ? SamplePiece<true>(source, c * range, r * range, range, gains, colour)
                     : SamplePiece<false>(source, c * range, r * range, range, gains, colour);
            const size_t i = static_cast<size_t>(r) * layout.cols + c;
            grid.cells[i] = piece.darkness;
            if (colour)
                grid.colours[i] = piece.colour;
        }
    }
    return true;
}

} // namespace lumina
