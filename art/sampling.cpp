#include "art/sampling.h"

#include "art/parallel.h"
#include "platform/pixels.h"
#include "platform/surface.h"

#include <algorithm>

namespace lumina {
namespace {

struct PieceResult {
    std::int32_t darkness;
    COLORREF colour;
};

// Darkness is the mean product of the raw fields over the piece, scaled by the product of the
// fields' full ranges; the colour is the first pixel's, a 16-bit one widened by shifting.
template <class Px>
PieceResult SamplePiece(const Surface& s, int x0, int y0, int range, double g[3], bool colour) {
    const int x1 = std::min(x0 + range, s.Width());
    const int y1 = std::min(y0 + range, s.Height());
    if (x0 >= x1 || y0 >= y1)
        return {0, 0xFFFFFF};
    const std::uint8_t* bits = s.Bits();
    const int stride = s.Stride();
    double sum = 0.0;
    for (int y = y0; y < y1; ++y) {
        const std::uint8_t* p = bits + static_cast<size_t>(y) * stride + x0 * Px::kBytes;
        for (int x = x0; x < x1; ++x, p += Px::kBytes) {
            const Channels c = FieldsAt<Px>(p);
            sum += static_cast<double>(c.r * c.g * c.b);
        }
    }
    const double n = static_cast<double>(x1 - x0) * (y1 - y0);
    const double scale = 1.0 / static_cast<double>(std::uint32_t{1} << Px::kFieldBits);
    PieceResult result{1000 - static_cast<std::int32_t>(sum / n * 1000.0 * scale), 0};
    if (colour) {
        const std::uint8_t* first = bits + static_cast<size_t>(y0) * stride + x0 * Px::kBytes;
        const Channels c = Px::template Split<Widening::Shifted>(Px::Load(first));
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
                   CellGrid& grid, int threads) {
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
    // Each part samples whole rows of cells: every cell is its own, whatever the parts.
    const int parts = std::clamp(threads, 1, std::max(layout.rows, 1));
    RunParts(parts, [&](int part) {
        const PartRange rows = PartOf(layout.rows, part, parts);
        double g[3] = {gains[0], gains[1], gains[2]};
        for (int r = rows.begin; r < rows.end; ++r) {
            for (int c = 0; c < layout.cols; ++c) {
                const PieceResult piece =
                    wide ? SamplePiece<Rgb32Pixel>(source, c * range, r * range, range, g, colour)
                         : SamplePiece<Rgb16Pixel>(source, c * range, r * range, range, g, colour);
                const size_t i = static_cast<size_t>(r) * layout.cols + c;
                grid.cells[i] = piece.darkness;
                if (colour)
                    grid.colours[i] = piece.colour;
            }
        }
    });
    return true;
}

} // namespace lumina
