#pragma once

#include "glyph/glyph_view.h"
#include "glyph/request.h"

#include <optional>
#include <string>
#include <vector>

namespace lumina::cli {

// Takes the glyph options out of args (the rest stays in args, in order) and fills request.
// Defaults: the default face, 300 points, angle 0, regular. On a bad option, returns false
// with error set; a missing --char/--code keeps "あ".
bool TakeGlyphOptions(std::vector<std::string>& args, GlyphRequest& request, std::string& error);

// "outline", "bitmap" or "drawing" as a display mode; false (mode unchanged) for anything else.
bool ParseDisplayMode(const std::string& text, std::optional<DisplayMode>& mode);

// A view size "WxH", each from 1 to 10000; false (width and height unchanged) otherwise.
bool ParseViewSize(const std::string& text, int& width, int& height);

} // namespace lumina::cli
