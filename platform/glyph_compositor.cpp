#include "platform/glyph_compositor.h"

#include "platform/surface.h"

#include <algorithm>
#include <cstddef>

namespace lumina {
namespace {

Rect Intersect(const Rect& a, const Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

template <class Px, Widening W>
void CompositeOne(std::uint8_t* bits, std::ptrdiff_t stride, const GlyphImage& g, Point origin,
                  Channels colour, const Rect& clip) {
    const int x0 = origin.x + g.left;
    const int y0 = origin.y + g.top;
    const int xs = std::max(0, clip.left - x0);
    const int ys = std::max(0, clip.top - y0);
    const int xe = std::min(g.width, clip.right - x0);
    const int ye = std::min(g.height, clip.bottom - y0);
    for (int y = ys; y < ye; ++y) {
        const std::uint8_t* cov = g.coverage.data() + static_cast<std::size_t>(y) * g.width + xs;
        const std::uint8_t* end = cov + (xe - xs);
        std::uint8_t* p =
            bits + (y0 + y) * stride + static_cast<std::ptrdiff_t>(x0 + xs) * Px::kBytes;
        for (; cov < end; ++cov, p += Px::kBytes) {
            const int a = *cov;
            if (a == 0)
                continue;
            BlendAt<Px, W>(p, colour, a);
        }
    }
}

template <class Px, Widening W>
void CompositeAll(const PixelPlane& plane, std::span<const GlyphImage> images, Point origin,
                  Channels colour, const Rect& clip) {
    for (const GlyphImage& g : images) {
        if (g.width <= 0 || g.height <= 0 ||
            g.coverage.size() <
                static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.height))
            continue;
        CompositeOne<Px, W>(plane.bits, plane.stride, g, origin, colour, clip);
    }
}

template <class Px>
void CompositeIn(const PixelPlane& plane, std::span<const GlyphImage> images, Point origin,
                 Channels colour, const Rect& clip, Widening under) {
    switch (under) {
    case Widening::Expanded:
        return CompositeAll<Px, Widening::Expanded>(plane, images, origin, colour, clip);
    case Widening::Shifted:
        return CompositeAll<Px, Widening::Shifted>(plane, images, origin, colour, clip);
    case Widening::Scaled:
        return CompositeAll<Px, Widening::Scaled>(plane, images, origin, colour, clip);
    }
}

} // namespace

PixelPlane PlaneOf(Surface& surface) {
    return {surface.Bits(), surface.Stride(), surface.DeviceWidth(), surface.DeviceHeight(),
            surface.Format()};
}

void CompositeGlyphs(const PixelPlane& plane, std::span<const GlyphImage> images, Point origin,
                     COLORREF colour, Widening under, const Rect& clip) {
    const Rect area = Intersect(clip, plane.Bounds());
    if (area.IsEmpty() || images.empty())
        return;
    WithPixelTraits(plane.format, [&]<class Px>(Px) {
        CompositeIn<Px>(plane, images, origin, ChannelsOf(colour), area, under);
    });
}

void CompositeGlyphs(Surface& surface, std::span<const GlyphImage> images, Point origin,
                     COLORREF colour, Widening under, const std::optional<Rect>& clip) {
    const PixelPlane plane = PlaneOf(surface);
    CompositeGlyphs(plane, images, origin, colour, under, clip ? *clip : plane.Bounds());
}

void FillPlane(const PixelPlane& plane, const Rect& rect, COLORREF colour) {
    const Rect r = Intersect(rect, plane.Bounds());
    if (r.IsEmpty())
        return;
    WithPixelTraits(plane.format, [&]<class Px>(Px) {
        const auto raw = EncodeColour<Px>(colour);
        for (int y = r.top; y < r.bottom; ++y)
            std::fill_n(reinterpret_cast<typename Px::Raw*>(plane.bits + y * plane.stride) + r.left,
                        r.Width(), raw);
    });
}

} // namespace lumina
