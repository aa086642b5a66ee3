#pragma once

#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/pixels.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace lumina {

class Surface;

// Draws glyph coverage images in a colour, their reference point at origin, clipped to the
// surface and to clip when one is given; images whose coverage does not fill them are left out.
// A partly covered pixel is read with the given widening before the blend: text on surfaces
// uses the expansion, the art renderer its scaled reading, so that each keeps the 16-bit
// pictures it has always made. On 32-bit surfaces the widening makes no difference.
// Origin, clip and images are in the surface's device pixels.
void CompositeGlyphs(Surface& surface, std::span<const GlyphImage> images, Point origin,
                     COLORREF colour, Widening under = Widening::Expanded,
                     const std::optional<Rect>& clip = std::nullopt);

// A surface's pixels taken once, so that several threads may draw on it at a time, each within
// rows of its own (asking the surface for its pixels from several threads is not safe).
struct PixelPlane {
    std::uint8_t* bits = nullptr;
    std::ptrdiff_t stride = 0;
    int width = 0;
    int height = 0;
    PixelFormat format = PixelFormat::Rgb32;
    Rect Bounds() const { return {0, 0, width, height}; }
};
PixelPlane PlaneOf(Surface& surface);

// CompositeGlyphs on a plane, clipped to it and to clip.
void CompositeGlyphs(const PixelPlane& plane, std::span<const GlyphImage> images, Point origin,
                     COLORREF colour, Widening under, const Rect& clip);

// Fills rect (clipped to the plane) with colour, as Surface::FillRect does.
void FillPlane(const PixelPlane& plane, const Rect& rect, COLORREF colour);

} // namespace lumina
