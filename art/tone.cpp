#include "art/tone.h"

#include "platform/pixels.h"
#include "platform/surface.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lumina {
namespace {

constexpr int kScale = 1000; // the darkness scale of the sampling and of the palette

// sRGB channel values in linear light.
const std::array<double, 256>& LinearTable() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            t[static_cast<size_t>(i)] =
                c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return table;
}

double LightnessOfLuminance(double y) {
    constexpr double kEpsilon = 216.0 / 24389.0;
    constexpr double kKappa = 24389.0 / 27.0;
    return y > kEpsilon ? 116.0 * std::cbrt(y) - 16.0 : kKappa * y;
}

template <class Px>
double MeanLightnessOf(const Surface& s, int x0, int y0, int x1, int y1) {
    const auto& linear = LinearTable();
    const std::uint8_t* bits = s.Bits();
    double sum = 0.0;
    for (int y = y0; y < y1; ++y) {
        const std::uint8_t* p = bits + static_cast<size_t>(y) * s.Stride() + x0 * Px::kBytes;
        for (int x = x0; x < x1; ++x, p += Px::kBytes) {
            const Channels c = Px::Split(Px::Load(p));
            const double lum = 0.2126 * linear[static_cast<size_t>(c.r)] +
                               0.7152 * linear[static_cast<size_t>(c.g)] +
                               0.0722 * linear[static_cast<size_t>(c.b)];
            sum += LightnessOfLuminance(lum);
        }
    }
    return sum / (static_cast<double>(x1 - x0) * (y1 - y0));
}

// How many of the values, held to 0..1000, lie at each value.
std::array<int, kScale + 1> Histogram(const std::vector<std::int32_t>& values) {
    std::array<int, kScale + 1> counts{};
    for (const std::int32_t v : values)
        ++counts[static_cast<size_t>(std::clamp<std::int32_t>(v, 0, kScale))];
    return counts;
}

} // namespace

double Lightness(int r, int g, int b) {
    const auto& linear = LinearTable();
    return LightnessOfLuminance(0.2126 * linear[static_cast<size_t>(r & 0xFF)] +
                                0.7152 * linear[static_cast<size_t>(g & 0xFF)] +
                                0.0722 * linear[static_cast<size_t>(b & 0xFF)]);
}

double MeanLightness(const Surface& surface, int x, int y, int w, int h) {
    const int x0 = std::max(x, 0);
    const int y0 = std::max(y, 0);
    const int x1 = std::min(x + w, surface.Width());
    const int y1 = std::min(y + h, surface.Height());
    if (x0 >= x1 || y0 >= y1)
        return -1.0;
    return WithPixelTraits(surface.Format(), [&]<class Px>(Px) {
        return MeanLightnessOf<Px>(surface, x0, y0, x1, y1);
    });
}

std::int32_t DarknessOfLightness(double lightness) {
    const double darkness = kScale - std::clamp(lightness, 0.0, 100.0) * (kScale / 100.0);
    return static_cast<std::int32_t>(std::lround(darkness));
}

void SampleLightness(const Surface& source, const ArtLayout& layout,
                     std::vector<std::int32_t>& darkness) {
    darkness.assign(static_cast<size_t>(layout.cols) * static_cast<size_t>(layout.rows), 0);
    const int range = layout.range;
    for (int r = 0; r < layout.rows; ++r) {
        for (int c = 0; c < layout.cols; ++c) {
            const double lightness = MeanLightness(source, c * range, r * range, range, range);
            // A piece beyond the picture counts as white, as the sampling counts it.
            darkness[static_cast<size_t>(r) * layout.cols + c] =
                lightness < 0 ? 0 : DarknessOfLightness(lightness);
        }
    }
}

int Percentile(const std::vector<std::int32_t>& values, double percent) {
    if (values.empty())
        return 0;
    const auto counts = Histogram(values);
    const double n = static_cast<double>(values.size());
    const auto rank = static_cast<long long>(std::max(std::ceil(percent / 100.0 * n), 1.0));
    long long seen = 0;
    for (int v = 0; v <= kScale; ++v) {
        seen += counts[static_cast<size_t>(v)];
        if (seen >= rank)
            return v;
    }
    return kScale;
}

void StretchTones(std::vector<std::int32_t>& values, double lowPercent, double highPercent) {
    const int low = Percentile(values, lowPercent);
    const int high = Percentile(values, highPercent);
    if (high <= low)
        return;
    const double scale = static_cast<double>(kScale) / (high - low);
    for (auto& v : values) {
        const double mapped = (std::clamp<std::int32_t>(v, low, high) - low) * scale;
        v = static_cast<std::int32_t>(std::lround(mapped));
    }
}

void EqualizeTones(std::vector<std::int32_t>& values) {
    if (values.empty())
        return;
    const auto counts = Histogram(values);
    std::array<long long, kScale + 1> cdf{};
    long long running = 0;
    long long lowest = -1;
    for (int v = 0; v <= kScale; ++v) {
        running += counts[static_cast<size_t>(v)];
        cdf[static_cast<size_t>(v)] = running;
        if (lowest < 0 && running > 0)
            lowest = running;
    }
    const long long n = running;
    if (n == lowest)
        return;
    const double scale = static_cast<double>(kScale) / static_cast<double>(n - lowest);
    for (auto& v : values) {
        const long long c = cdf[static_cast<size_t>(std::clamp<std::int32_t>(v, 0, kScale))];
        v = static_cast<std::int32_t>(std::lround(static_cast<double>(c - lowest) * scale));
    }
}

void ApplyTone(const Surface& source, const ArtLayout& layout, ToneMode mode, CellGrid& grid) {
    if (mode == ToneMode::None)
        return;
    SampleLightness(source, layout, grid.cells);
    if (mode == ToneMode::Stretch)
        StretchTones(grid.cells);
    else
        EqualizeTones(grid.cells);
}

} // namespace lumina
