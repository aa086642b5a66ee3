#include "art/tone_fidelity.h"

#include "art/tone.h"

#include <algorithm>
#include <cmath>

namespace lumina {
namespace {

template <class F>
std::vector<double> PerCell(const ArtLayout& layout, F lightnessAt) {
    std::vector<double> out;
    out.reserve(static_cast<size_t>(layout.cols) * static_cast<size_t>(layout.rows));
    for (int r = 0; r < layout.rows; ++r) {
        for (int c = 0; c < layout.cols; ++c)
            out.push_back(lightnessAt(r, c));
    }
    return out;
}

} // namespace

std::vector<double> PictureCellLightness(const Surface& picture, const ArtLayout& layout) {
    const int range = layout.range;
    return PerCell(layout, [&](int r, int c) {
        return MeanLightness(picture, c * range, r * range, range, range);
    });
}

std::vector<double> ArtCellLightness(const Surface& art, const ArtLayout& layout) {
    return PerCell(layout, [&](int r, int c) {
        return MeanLightness(art, c * layout.cellW, r * layout.cellH, layout.cellW, layout.cellH);
    });
}

std::vector<double> BlockMeans(const std::vector<double>& cells, int cols, int rows, int side) {
    std::vector<double> out;
    for (int r = 0; r + side <= rows; r += side) {
        for (int c = 0; c + side <= cols; c += side) {
            double sum = 0.0;
            for (int y = r; y < r + side; ++y) {
                for (int x = c; x < c + side; ++x)
                    sum += cells[static_cast<size_t>(y) * cols + x];
            }
            out.push_back(sum / (side * side));
        }
    }
    return out;
}

double Correlation(const std::vector<double>& a, const std::vector<double>& b) {
    const size_t n = std::min(a.size(), b.size());
    if (n < 2)
        return 0.0;
    double meanA = 0.0, meanB = 0.0;
    for (size_t i = 0; i < n; ++i) {
        meanA += a[i];
        meanB += b[i];
    }
    meanA /= static_cast<double>(n);
    meanB /= static_cast<double>(n);
    double ab = 0.0, aa = 0.0, bb = 0.0;
    for (size_t i = 0; i < n; ++i) {
        ab += (a[i] - meanA) * (b[i] - meanB);
        aa += (a[i] - meanA) * (a[i] - meanA);
        bb += (b[i] - meanB) * (b[i] - meanB);
    }
    if (aa <= 0.0 || bb <= 0.0)
        return 0.0;
    return ab / std::sqrt(aa * bb);
}

ToneFidelity MeasureToneFidelity(const Surface& picture, const Surface& art,
                                 const ArtLayout& layout) {
    const std::vector<double> wanted = PictureCellLightness(picture, layout);
    const std::vector<double> drawn = ArtCellLightness(art, layout);
    ToneFidelity f;
    f.cells = Correlation(wanted, drawn);
    f.blocks = Correlation(BlockMeans(wanted, layout.cols, layout.rows, 2),
                           BlockMeans(drawn, layout.cols, layout.rows, 2));
    return f;
}

} // namespace lumina
