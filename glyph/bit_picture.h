#pragma once

#include "services/problem.h"

#include <optional>
#include <string>
#include <string_view>

namespace lumina {

struct EngineServices;
struct GlyphRequest;
struct GlyphMonoBitmap;

// The two fields of the bit picture: the ink string ("文字部分：") and the background string
// ("外周部分："), UTF-8 as the window holds them.
struct BitStrings {
    std::string ink = "1";
    std::string background = "0";
};

// The bit picture of a one-bit bitmap: one line per row, one string per column (the width
// rounded up to 4, the extra columns background), nothing between them, CR LF line ends. The
// strings are given in the bytes they are to be written in (code page 932).
std::string FormatBitPicture(const GlyphMonoBitmap& bitmap, std::string_view ink,
                             std::string_view background);

// The bit picture of the request's glyph as written to the file: the one-bit bitmap fetched in
// the request's font at the display's resolution. 30017 when the font cannot be made, 30001
// when there is no memory, a silent problem for a glyph without ink.
Result<std::string> MakeBitPicture(const EngineServices& services, const GlyphRequest& request,
                                   std::string_view ink, std::string_view background);

} // namespace lumina
