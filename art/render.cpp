#include "art/render.h"

#include "platform/glyph_compositor.h"
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

void CompositeGlyph(Surface& surface, const std::vector<GlyphImage>& images, Point origin,
                    COLORREF colour) {
    CompositeGlyphs(surface, images, origin, colour, Widening::Scaled);
}

bool RenderArt(Surface& surface, const RenderJob& job) {
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
        if (job.stop && job.stop())
            return false;
    }
    if (job.progress)
        job.progress(0, upper);
    return true;
}

} // namespace lumina
