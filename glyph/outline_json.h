#pragma once

#include "platform/font.h"
#include "services/problem.h"

#include <string>

namespace lumina {

struct EngineServices;
struct GlyphOutline;
struct GlyphRequest;

// What the JSON form of the point file tells besides the blocks: the face the font resolved to,
// its em in pixels, whether it was hinted, and its own points of the glyph (pixels at the size,
// x right, y up from the origin on the base line, unturned).
struct OutlineJsonSource {
    ResolvedFace face;
    int ppem = 0;
    bool hinted = true;
    SourceOutline points;
};

// The point file as one JSON object, UTF-8:
//   {"face", "file", "index", "ppem", "hinted",
//    "contours": [{"points": [{"x", "y", "type": "on"|"conic"|"cubic"}]}],
//    "blocks": [[{"x", "y"}...]]}
// with the blocks holding exactly the points of the text form of the same choice.
std::string FormatOutlineJson(const OutlineJsonSource& source, const GlyphOutline& outline,
                              bool withControlPoints);

// The font's own points of the request's glyph, in the request's font (with its hinting) at the
// display's resolution. 30017 when the font cannot be made, 30067 when it has no outline of the
// glyph.
Result<OutlineJsonSource> FetchOutlineJsonSource(const EngineServices& services,
                                                 const GlyphRequest& request);

} // namespace lumina
