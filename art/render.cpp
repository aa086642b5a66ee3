#include "art/render.h"

#include "platform/surface.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace lumina {

unsigned RandSeed(const std::tm& t) {
    return static_cast<unsigned>(t.tm_sec + 60 * t.tm_min + t.tm_hour);
}

unsigned RandSeedNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return RandSeed(local);
}

std::string ElapsedText(long long seconds) {
    if (seconds < 0)
        seconds = 0;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>((seconds / 60) % 60),
                  static_cast<int>(seconds % 60));
    return text;
}

Point TurnedOrigin(int x, int y, Size extent, int angle) {
    const int cx = x + extent.cx / 2;
    const int cy = y + extent.cy / 2;
    const int dx = x - cx;
    const int dy = y - cy;
    const double rho = std::trunc(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
    const double phi = std::atan2(static_cast<double>(dy), static_cast<double>(dx));
    const double theta = (360 - angle) * std::numbers::pi / 180.0;
    return {cx + static_cast<int>(std::cos(phi + theta) * rho),
            cy + static_cast<int>(std::sin(phi + theta) * rho)};
}

GlyphCache::GlyphCache(std::shared_ptr<const Font> base, FontSystem* fonts)
    : m_base(std::move(base))
    , m_fonts(fonts) {}

const GlyphCache::Entry& GlyphCache::Get(std::uint32_t code) {
    auto it = m_plain.find(code);
    if (it == m_plain.end())
        it = m_plain.emplace(code, Entry{m_base->RenderCode(code), m_base->CodeExtent(code)}).first;
    return it->second;
}

const GlyphCache::Entry* GlyphCache::GetTurned(std::uint32_t code, int angle) {
    angle = ((angle % 360) + 360) % 360;
    if (!m_angleTried[angle]) {
        m_angleTried[angle] = true;
        if (m_fonts) {
            LogicalFont logical = m_base->Logical();
            logical.escapement = angle * 10;
            m_angleFonts[angle] = m_fonts->CreateFont(logical);
        }
    }
    const auto& font = m_angleFonts[angle];
    if (!font)
        return nullptr;
    const std::uint64_t key = (static_cast<std::uint64_t>(angle) << 32) | code;
    auto it = m_turned.find(key);
    if (it == m_turned.end())
        it = m_turned.emplace(key, Entry{font->RenderCode(code), font->CodeExtent(code)}).first;
    return &it->second;
}

namespace {

inline int Blend(int src, int dst, int a) {
    return (src * a + dst * (255 - a) + 127) / 255;
}

template <bool kWide>
void CompositeOne(Surface& surface, const GlyphImage& g, Point origin, COLORREF colour) {
    const int x0 = origin.x + g.left;
    const int y0 = origin.y + g.top;
    const int xs = std::max(0, -x0);
    const int ys = std::max(0, -y0);
    const int xe = std::min(g.width, surface.Width() - x0);
    const int ye = std::min(g.height, surface.Height() - y0);
    if (xs >= xe || ys >= ye)
        return;
    const int r = RedOf(colour), gr = GreenOf(colour), b = BlueOf(colour);
    std::uint8_t* bits = surface.Bits();
    const int stride = surface.Stride();
    for (int y = ys; y < ye; ++y) {
        const std::uint8_t* cov = g.coverage.data() + static_cast<size_t>(y) * g.width;
        std::uint8_t* row = bits + static_cast<size_t>(y0 + y) * stride;
        for (int x = xs; x < xe; ++x) {
            const int a = cov[x];
            if (a == 0)
                continue;
            if constexpr (kWide) {
                std::uint8_t* p = row + (x0 + x) * 4;
                p[0] = static_cast<std::uint8_t>(Blend(b, p[0], a));
                p[1] = static_cast<std::uint8_t>(Blend(gr, p[1], a));
                p[2] = static_cast<std::uint8_t>(Blend(r, p[2], a));
            } else {
                std::uint8_t* p = row + (x0 + x) * 2;
                const int v = p[0] | (p[1] << 8);
                const int dr = ((v >> 11) & 31) * 255 / 31;
                const int dg = ((v >> 5) & 63) * 255 / 63;
                const int db = (v & 31) * 255 / 31;
                const int nr = Blend(r, dr, a) >> 3;
                const int ng = Blend(gr, dg, a) >> 2;
                const int nb = Blend(b, db, a) >> 3;
                const int nv = (nr << 11) | (ng << 5) | nb;
                p[0] = static_cast<std::uint8_t>(nv & 0xFF);
                p[1] = static_cast<std::uint8_t>(nv >> 8);
            }
        }
    }
}

} // namespace

void CompositeGlyph(Surface& surface, const std::vector<GlyphImage>& images, Point origin,
                    COLORREF colour) {
    const bool wide = surface.Format() == PixelFormat::Rgb32;
    for (const auto& g : images) {
        if (g.coverage.size() < static_cast<size_t>(g.width) * static_cast<size_t>(g.height))
            continue;
        if (wide)
            CompositeOne<true>(surface, g, origin, colour);
        else
            CompositeOne<false>(surface, g, origin, colour);
    }
}

void RenderArt(Surface& surface, const RenderJob& job) {
    const ArtLayout& l = *job.layout;
    const ArtSettings& s = *job.settings;
    const CellGrid& grid = *job.grid;
    surface.FillRect({0, 0, l.drawW, l.drawH}, s.BkCol);
    ArtRandom random(job.seed);
    const int upper = std::min(l.rows, 65535);
    if (job.progress)
        job.progress(0, upper);
    const bool mono = s.Mono != 0;
    for (int r = 0; r < l.rows; ++r) {
        const int y = r * l.cellH;
        for (int c = 0; c < l.cols; ++c) {
            const size_t i = static_cast<size_t>(r) * l.cols + c;
            const COLORREF colour = mono ? s.CharCol : grid.colours[i];
            const auto code = static_cast<std::uint32_t>(grid.cells[i]);
            const int x = c * l.cellW;
            if (s.Rand == 0) {
                CompositeGlyph(surface, job.glyphs->Get(code).images, {x, y}, colour);
                continue;
            }
            const int angle = random.Next() % 360;
            const GlyphCache::Entry* turned = job.glyphs->GetTurned(code, angle);
            if (!turned) {
                CompositeGlyph(surface, job.glyphs->Get(code).images, {x, y}, colour);
                continue;
            }
            CompositeGlyph(surface, turned->images, TurnedOrigin(x, y, turned->extent, angle),
                           colour);
        }
        if (job.progress)
            job.progress(std::min(r + 1, upper), upper);
    }
    if (job.progress)
        job.progress(0, upper);
}

} // namespace lumina
