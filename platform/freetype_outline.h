#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <vector>

namespace lumina {

// Record types and the polygon type of the native outline format.
inline constexpr std::uint32_t kPolygonType = 24;
inline constexpr std::uint16_t kPrimLine = 1;
inline constexpr std::uint16_t kPrimQSpline = 2;
inline constexpr std::uint16_t kPrimCSpline = 3;

// The native polygon records of a FreeType outline (26.6 device pixels, y up): one polygon per
// contour of at least two points, each starting at its first on-curve point in the font's
// order (or at the midpoint of its first two off-curve points when it has none), straight runs
// as line records, conic runs as quadratic B-spline records (midpoints implied, last point on
// the curve), cubic runs as cubic records; a final straight segment back to the start is left
// implicit. Points are 16.16 fixed values, little-endian.
std::vector<std::uint8_t> BuildNativeRecords(const FT_Outline& outline);

} // namespace lumina
