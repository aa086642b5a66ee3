#pragma once

#include <string>
#include <string_view>

namespace lumina {

struct GlyphRequest;

// The name the save dialogs of the glyph writers propose: "%s(%d)" of the character and its
// code, or the character and its code points for one without a code ("𠮟(U+20B9F)").
std::string DefaultSaveName(const GlyphRequest& request);

// Appends a line and the CR LF every line of the program's text files ends with.
void AppendLine(std::string& out, std::string_view line);

} // namespace lumina
