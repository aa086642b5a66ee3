#include "art/text_export.h"

namespace lumina {

std::string ArtTextBytes(const CellGrid& grid) {
    std::string out;
    out.reserve(static_cast<size_t>(grid.rows) * (static_cast<size_t>(grid.cols) * 2 + 2));
    for (int r = 0; r < grid.rows; ++r) {
        for (int c = 0; c < grid.cols; ++c) {
            const auto code =
                static_cast<std::uint32_t>(grid.cells[static_cast<size_t>(r) * grid.cols + c]);
            if (code >= 256)
                out.push_back(static_cast<char>((code >> 8) & 0xFF));
            out.push_back(static_cast<char>(code & 0xFF));
        }
        out += "\r\n";
    }
    return out;
}

} // namespace lumina
