#pragma once

#include "services/prompter.h"

#include <string>

namespace lumina {

struct Services;
struct GlyphOutline;
struct GlyphRequest;

// The outline point file: for each block "[Block-%d]", its points as "%d , %d" relative to the
// outline's left and top, and an empty line; CR LF line ends. Vertices only, or with the
// control points and each block's two trailing copies.
std::string FormatOutlinePointFile(const GlyphOutline& outline, bool withControlPoints);

// The outline-point command: nothing without an outline; the save dialog, question 30018
// (control points or not), the file, and question 30012.
void WriteOutlinePointFile(const Services& services, Owner owner, const GlyphOutline& outline,
                           const GlyphRequest& request);

} // namespace lumina
