#include "art/mapping.h"

#include <algorithm>
#include <cmath>

namespace lumina {
namespace {

// The first entry at least as dark as density.
int FirstAtLeast(const std::vector<PaletteEntry>& e, int density) {
    const auto it =
        std::lower_bound(e.begin(), e.end(), density,
                         [](const PaletteEntry& entry, int t) { return entry.density < t; });
    return static_cast<int>(it - e.begin());
}

// Floyd-Steinberg's shares of a cell's error, in sixteenths: on along the row, then behind,
// below and ahead on the next row. Rows alternate direction.
class ErrorRows {
public:
    explicit ErrorRows(int cols)
        : m_cols(cols)
        , m_current(static_cast<size_t>(cols) + 2, 0.0)
        , m_next(static_cast<size_t>(cols) + 2, 0.0) {}

    double At(int col) const { return m_current[static_cast<size_t>(col) + 1]; }
    void Spread(int col, int dir, double error) {
        const auto at = [](std::vector<double>& row, int c) -> double& {
            return row[static_cast<size_t>(c) + 1];
        };
        at(m_current, col + dir) += error * 7.0 / 16.0;
        at(m_next, col - dir) += error * 3.0 / 16.0;
        at(m_next, col) += error * 5.0 / 16.0;
        at(m_next, col + dir) += error * 1.0 / 16.0;
    }
    void NextRow() {
        std::swap(m_current, m_next);
        std::fill(m_next.begin(), m_next.end(), 0.0);
    }

private:
    int m_cols;
    std::vector<double> m_current; // one spare cell each side takes what falls off the edges
    std::vector<double> m_next;
};

} // namespace

void NormalisePalette(CharPalette& palette) {
    if (palette.entries.empty())
        return;
    const int d0 = palette.entries.front().density;
    const int span = palette.entries.back().density - d0;
    for (auto& e : palette.entries)
        e.density = span != 0 ? (e.density - d0) * 1000 / span : 0;
}

int PickEntry(const CharPalette& palette, int threshold) {
    const int i = FirstAtLeast(palette.entries, threshold);
    return std::min(i, palette.count() - 1);
}

int PickNearest(const CharPalette& palette, int wanted) {
    const auto& e = palette.entries;
    const int above = FirstAtLeast(e, wanted);
    if (above == 0)
        return 0;
    if (above == palette.count())
        return FirstAtLeast(e, e.back().density);
    const int below = FirstAtLeast(e, e[static_cast<size_t>(above) - 1].density);
    const int toBelow = wanted - e[static_cast<size_t>(below)].density;
    const int toAbove = e[static_cast<size_t>(above)].density - wanted;
    return toBelow < toAbove ? below : above;
}

int RunnerUp(const CharPalette& palette, int wanted, int chosen) {
    const auto& e = palette.entries;
    const int density = e[static_cast<size_t>(chosen)].density;
    const int lighter = FirstAtLeast(e, density) - 1; // the last entry of a lighter density
    const int darker = FirstAtLeast(e, density + 1);  // the first of a darker one
    const bool hasLighter = lighter >= 0;
    const bool hasDarker = darker < palette.count();
    if (!hasLighter && !hasDarker)
        return -1;
    const int firstLighter =
        hasLighter ? FirstAtLeast(e, e[static_cast<size_t>(lighter)].density) : -1;
    if (wanted > density)
        return hasDarker ? darker : firstLighter;
    if (wanted < density)
        return hasLighter ? firstLighter : darker;
    // Exactly on the chosen density: the closer of the two neighbours, the darker on a tie.
    if (!hasLighter)
        return darker;
    if (!hasDarker)
        return firstLighter;
    const int toLighter = density - e[static_cast<size_t>(lighter)].density;
    const int toDarker = e[static_cast<size_t>(darker)].density - density;
    return toLighter < toDarker ? firstLighter : darker;
}

MappingOptions MappingOptionsOf(const ArtSettings& settings) {
    MappingOptions options;
    options.brightAll = settings.BrightAll;
    options.dither = settings.Dither != 0;
    options.nearest = options.dither || ToneModeOf(settings) != ToneMode::None;
    return options;
}

void MapCells(const CharPalette& measured, CellGrid& grid, const MappingOptions& options,
              std::vector<CellChoice>* choices) {
    if (measured.entries.empty())
        return;
    const bool uniform = measured.entries.front().density == measured.entries.back().density;
    CharPalette palette = measured;
    NormalisePalette(palette);
    const int shift = (options.brightAll - 5) * 30;
    if (choices)
        choices->assign(grid.cells.size(), CellChoice{});
    const int cols = std::max(grid.cols, 1);
    const int rows = static_cast<int>((grid.cells.size() + static_cast<size_t>(cols) - 1) /
                                      static_cast<size_t>(cols));
    ErrorRows errors(cols);
    for (int r = 0; r < rows; ++r) {
        // Error diffusion runs the rows in alternate directions, so no drift builds up sideways.
        const bool backwards = options.dither && r % 2 == 1;
        const int dir = backwards ? -1 : 1;
        for (int k = 0; k < cols; ++k) {
            const int c = backwards ? cols - 1 - k : k;
            const size_t i = static_cast<size_t>(r) * cols + c;
            if (i >= grid.cells.size())
                continue;
            double wanted = grid.cells[i] + shift;
            if (options.dither)
                wanted = std::clamp(wanted + errors.At(c), 0.0, 1000.0);
            const int target = static_cast<int>(std::lround(wanted));
            // One ink for every character leaves nothing to choose: the lightest (first) entry.
            const int chosen = uniform           ? 0
                               : options.nearest ? PickNearest(palette, target)
                                                 : PickEntry(palette, target);
            const PaletteEntry& entry = palette.entries[static_cast<size_t>(chosen)];
            if (options.dither)
                errors.Spread(c, dir, wanted - entry.density);
            grid.cells[i] = static_cast<std::int32_t>(entry.code);
            if (!choices)
                continue;
            CellChoice& why = (*choices)[i];
            why = {target, entry.code, entry.density};
            if (const int other = RunnerUp(palette, target, chosen); other >= 0) {
                why.runnerUp = palette.entries[static_cast<size_t>(other)].code;
                why.runnerUpDensity = palette.entries[static_cast<size_t>(other)].density;
                why.hasRunnerUp = true;
            }
        }
        if (options.dither)
            errors.NextRow();
    }
}

void MapDarkness(const CharPalette& palette, CellGrid& grid, int brightAll) {
    MapCells(palette, grid, MappingOptions{brightAll});
}

} // namespace lumina
