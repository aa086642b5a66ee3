#pragma once

#include "glyph/glyph_view.h"

#include <string>
#include <vector>

namespace lumina::cli {

// Takes --unhinted out of args (the rest stays, in order): the glyph rasterised without the
// font's hinting.
void TakeUnhinted(std::vector<std::string>& args, GlyphRequest& request);

// Takes the study options of render out of args: --curves, --font-points, --spread-numbers,
// --hinting on|off|compare, --unhinted (as --hinting off), --zoom N (1-64) and --pan X,Y. On a
// bad value, returns false with error set.
bool TakeStudyOptions(std::vector<std::string>& args, GlyphViewState& state, std::string& error);

// Takes the typesetting options of render out of args: --compare FACE with --compare-bold and
// --compare-italic, --frames and --vertical. On a bad value, returns false with error set.
bool TakeFaceOptions(std::vector<std::string>& args, FaceViews& faces, std::string& error);

} // namespace lumina::cli
