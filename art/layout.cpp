#include "art/layout.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace lumina {
namespace {

// Sizes of art beyond what an int holds are held at INT_MAX; the pixel budget refuses them
// before anything is allocated.
int Held(double value) {
    return static_cast<int>(std::clamp(value, 0.0, static_cast<double>(INT_MAX)));
}

} // namespace

LayoutResult ComputeArtLayout(const ArtSettings& s, const ArtFontMetrics& font, int width,
                              int height, ArtLayout& l) {
    l.cellW = s.CharMa + 2 * font.tmAveCharWidth - 10;
    // A cell of no width cannot hold a character: refused like too few columns, before
    // anything divides by it.
    if (l.cellW <= 0 || width <= 0 || height <= 0)
        return LayoutResult::TooFewColumns;
    l.cols = s.OutW / l.cellW;
    if (l.cols <= 2)
        return LayoutResult::TooFewColumns;
    if (l.cols > width) {
        l.cols = width;
        l.cellW = s.OutW / width;
    }
    l.range = static_cast<int>(static_cast<float>(width) / static_cast<float>(l.cols));
    if (l.range <= 1) {
        l.cols = width;
        l.cellW = s.OutW / width;
    }
    if (l.cols * l.range < width) {
        l.cols = static_cast<int>(static_cast<float>(width) / static_cast<float>(l.range));
        l.cellW = s.OutW / l.cols;
    }
    l.rows = static_cast<int>(static_cast<float>(height) / static_cast<float>(l.range));
    l.cellH = s.LineMa + font.tmDescent + font.tmAscent - 10;
    l.drawH = Held(static_cast<double>(std::int64_t{l.cellH} * l.rows));
    l.drawW = Held(static_cast<double>(std::int64_t{l.cols} * l.cellW));
    l.outH =
        Held(static_cast<float>(height) * (static_cast<float>(s.OutW) / static_cast<float>(width)));
    // A picture wider than the output can narrow the cells to nothing; that is no art either.
    if (l.cellW <= 0)
        return LayoutResult::TooFewColumns;
    if (l.rows <= 0 || l.cellH <= 0)
        return LayoutResult::NoRows;
    return LayoutResult::Ok;
}

} // namespace lumina
