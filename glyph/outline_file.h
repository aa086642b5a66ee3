#pragma once

#include <string>

namespace lumina {

struct GlyphOutline;

// The outline point file: for each block "[Block-%d]", its points as "%d , %d" relative to the
// outline's left and top, and an empty line; CR LF line ends. Vertices only, or with the
// control points and each block's two trailing copies.
std::string FormatOutlinePointFile(const GlyphOutline& outline, bool withControlPoints);

} // namespace lumina
