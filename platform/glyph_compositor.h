#pragma once

#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/pixels.h"

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

} // namespace lumina
