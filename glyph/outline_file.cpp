#include "glyph/outline_file.h"

#include "glyph/glyph_save.h"
#include "glyph/outline.h"

#include <cstdio>

namespace lumina {
namespace {

void AppendPoint(std::string& out, const OutlinePoint& p, const Rect& bounds) {
    char line[48];
    std::snprintf(line, sizeof line, "%lld , %lld", static_cast<long long>(p.x) - bounds.left,
                  static_cast<long long>(p.y) - bounds.top);
    AppendLine(out, line);
}

} // namespace

std::string FormatOutlinePointFile(const GlyphOutline& outline, bool withControlPoints) {
    std::string out;
    const auto e = outline.Entries();
    if (e.size() < 3 || !outline.bounds)
        return out;
    const Rect bounds = *outline.bounds;
    bool open = false;
    OutlinePoint first;
    int block = 1;
    // Blocks end where a vertex equals the block's first vertex; the two copies after it are
    // written only with the control points.
    for (std::size_t j = 0; j < e.size() - 2;) {
        if (j % 3 == 0 && open && e[j] == first) {
            AppendPoint(out, e[j], bounds);
            if (withControlPoints) {
                AppendPoint(out, e[j + 1], bounds);
                AppendPoint(out, e[j + 2], bounds);
            }
            AppendLine(out, "");
            open = false;
            j += 3;
            continue;
        }
        if (!open) {
            open = true;
            first = e[j];
            AppendLine(out, "[Block-" + std::to_string(block++) + "]");
        }
        if (withControlPoints || j % 3 == 0)
            AppendPoint(out, e[j], bounds);
        ++j;
    }
    return out;
}

} // namespace lumina
