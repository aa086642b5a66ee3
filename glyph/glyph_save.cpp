#include "glyph/glyph_save.h"

#include "glyph/request.h"

namespace lumina {

std::string DefaultSaveName(const GlyphRequest& request) {
    if (request.Unicode)
        return request.Char + "(" + CodePointsText(*request.Unicode) + ")";
    return request.Char + "(" + std::to_string(request.SjisCode) + ")";
}

void AppendLine(std::string& out, std::string_view line) {
    out.append(line);
    out.append("\r\n");
}

} // namespace lumina
