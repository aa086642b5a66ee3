#include "art/render.h"

#include "art/parallel.h"
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

namespace {

Rect Intersect(const Rect& a, const Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// Where one cell's character goes.
struct Placed {
    const std::vector<GlyphImage>* images;
    Point origin;
    COLORREF colour;
};

// The pixel rows a row of cells can touch: [top, bottom).
struct RowReach {
    int top = 0;
    int bottom = 0;
};

// Every cell's character, image and place, in drawing order. The random angles are drawn
// here, one per cell in order, so that a seed gives its one sequence however the drawing is
// shared out; the glyph cache is filled here too, by one thread.
std::vector<Placed> PlaceCells(const RenderJob& job, std::vector<RowReach>& reach) {
    const ArtLayout& l = *job.layout;
    const ArtSettings& s = *job.settings;
    const CellGrid& grid = *job.grid;
    const bool mono = s.Mono != 0;
    ArtRandom random(job.seed);
    std::vector<Placed> placed;
    placed.reserve(static_cast<size_t>(l.cols) * static_cast<size_t>(l.rows));
    reach.assign(static_cast<size_t>(l.rows), RowReach{});
    for (int r = 0; r < l.rows; ++r) {
        const int y = r * l.cellH;
        RowReach row{y, y};
        for (int c = 0; c < l.cols; ++c) {
            const size_t i = static_cast<size_t>(r) * l.cols + c;
            const COLORREF colour = mono ? s.CharCol : grid.colours[i];
            const auto code = static_cast<std::uint32_t>(grid.cells[i]);
            const int x = c * l.cellW;
            Placed p{&job.glyphs->Get(code).images, {x, y}, colour};
            if (s.Rand != 0) {
                const int angle = random.Next() % 360;
                if (const GlyphCache::Entry* turned = job.glyphs->GetTurned(code, angle))
                    p = {&turned->images, TurnedOrigin(x, y, turned->extent, angle), colour};
            }
            for (const GlyphImage& g : *p.images) {
                row.top = std::min(row.top, p.origin.y + g.top);
                row.bottom = std::max(row.bottom, p.origin.y + g.top + g.height);
            }
            placed.push_back(p);
        }
        reach[static_cast<size_t>(r)] = row;
    }
    return placed;
}

// Draws the rows [first, last) of cells. The pixels they can touch are cut into bands, one
// per thread; each thread draws, clipped to its band, every character that reaches into it in
// the order of the cells, so that every pixel sees the blends it would see in one thread.
void DrawRows(const PixelPlane& plane, const std::vector<Placed>& placed,
              const std::vector<RowReach>& reach, int cols, int first, int last, int threads) {
    int top = plane.height;
    int bottom = 0;
    for (int r = first; r < last; ++r) {
        top = std::min(top, reach[static_cast<size_t>(r)].top);
        bottom = std::max(bottom, reach[static_cast<size_t>(r)].bottom);
    }
    top = std::max(top, 0);
    bottom = std::min(bottom, plane.height);
    if (top >= bottom)
        return;
    const int parts = std::clamp(threads, 1, bottom - top);
    RunParts(parts, [&](int part) {
        const PartRange band = PartOf(bottom - top, part, parts);
        const Rect clip{0, top + band.begin, plane.width, top + band.end};
        for (int r = first; r < last; ++r) {
            const RowReach& row = reach[static_cast<size_t>(r)];
            if (row.bottom <= clip.top || row.top >= clip.bottom)
                continue;
            const size_t start = static_cast<size_t>(r) * cols;
            for (size_t i = start; i < start + static_cast<size_t>(cols); ++i)
                CompositeGlyphs(plane, *placed[i].images, placed[i].origin, placed[i].colour,
                                Widening::Scaled, clip);
        }
    });
}

// Rows drawn between two looks at progress and stop: enough to keep the threads busy, few
// enough that a stop is heard soon.
constexpr int kRowsPerStep = 8;

} // namespace

bool RenderArt(Surface& surface, const RenderJob& job) {
    const ArtLayout& l = *job.layout;
    const int threads = std::max(job.threads, 1);
    const PixelPlane plane = PlaneOf(surface);
    const Rect area = Intersect(Rect{0, 0, l.drawW, l.drawH}, plane.Bounds());
    const int fillParts = std::clamp(threads, 1, std::max(area.Height(), 1));
    RunParts(fillParts, [&](int part) {
        const PartRange band = PartOf(area.Height(), part, fillParts);
        FillPlane(plane, {area.left, area.top + band.begin, area.right, area.top + band.end},
                  job.settings->BkCol);
    });
    std::vector<RowReach> reach;
    const std::vector<Placed> placed = PlaceCells(job, reach);
    const int upper = std::min(l.rows, 65535);
    if (job.progress)
        job.progress(0, upper);
    for (int first = 0; first < l.rows; first += kRowsPerStep) {
        const int last = std::min(first + kRowsPerStep, l.rows);
        DrawRows(plane, placed, reach, l.cols, first, last, threads);
        for (int r = first; r < last; ++r) {
            if (job.progress)
                job.progress(std::min(r + 1, upper), upper);
            if (job.stop && job.stop())
                return false;
        }
    }
    if (job.progress)
        job.progress(0, upper);
    return true;
}

} // namespace lumina
