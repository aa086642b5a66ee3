#pragma once

#include <string>
#include <vector>

namespace lumina {

struct GlyphOutline;

// One point as the outline point file writes it: relative to the outline's left and top, y down.
struct FilePoint {
    long long x = 0;
    long long y = 0;
    friend bool operator==(const FilePoint&, const FilePoint&) = default;
};

// One block of the file: its points in the order they are written; closed unless the outline
// ended before the block's closing vertex (the file then has no empty line after it).
struct FileBlock {
    std::vector<FilePoint> points;
    bool closed = false;
};

// The blocks the file holds: vertices only, or with the control points and each block's two
// trailing copies.
std::vector<FileBlock> OutlinePointFileBlocks(const GlyphOutline& outline, bool withControlPoints);

// The outline point file: for each block "[Block-%d]", its points as "%d , %d" relative to the
// outline's left and top, and an empty line; CR LF line ends. Vertices only, or with the
// control points and each block's two trailing copies.
std::string FormatOutlinePointFile(const GlyphOutline& outline, bool withControlPoints);

} // namespace lumina
