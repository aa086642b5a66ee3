#include "glyph/outline_file.h"

#include "glyph/glyph_save.h"
#include "glyph/outline.h"

#include <cstdio>

namespace lumina {
namespace {

FilePoint Relative(const OutlinePoint& p, const Rect& bounds) {
    return {static_cast<long long>(p.x) - bounds.left, static_cast<long long>(p.y) - bounds.top};
}

} // namespace

std::vector<FileBlock> OutlinePointFileBlocks(const GlyphOutline& outline, bool withControlPoints) {
    std::vector<FileBlock> blocks;
    const auto e = outline.Entries();
    if (e.size() < 3 || !outline.bounds)
        return blocks;
    const Rect bounds = *outline.bounds;
    bool open = false;
    OutlinePoint first;
    // Blocks end where a vertex equals the block's first vertex; the two copies after it are
    // written only with the control points.
    for (std::size_t j = 0; j < e.size() - 2;) {
        if (j % 3 == 0 && open && e[j] == first) {
            std::vector<FilePoint>& points = blocks.back().points;
            points.push_back(Relative(e[j], bounds));
            if (withControlPoints) {
                points.push_back(Relative(e[j + 1], bounds));
                points.push_back(Relative(e[j + 2], bounds));
            }
            blocks.back().closed = true;
            open = false;
            j += 3;
            continue;
        }
        if (!open) {
            open = true;
            first = e[j];
            blocks.emplace_back();
        }
        if (withControlPoints || j % 3 == 0)
            blocks.back().points.push_back(Relative(e[j], bounds));
        ++j;
    }
    return blocks;
}

std::string FormatOutlinePointFile(const GlyphOutline& outline, bool withControlPoints) {
    std::string out;
    int number = 1;
    for (const FileBlock& block : OutlinePointFileBlocks(outline, withControlPoints)) {
        AppendLine(out, "[Block-" + std::to_string(number++) + "]");
        for (const FilePoint& p : block.points) {
            char line[48];
            std::snprintf(line, sizeof line, "%lld , %lld", p.x, p.y);
            AppendLine(out, line);
        }
        if (block.closed)
            AppendLine(out, "");
    }
    return out;
}

} // namespace lumina
