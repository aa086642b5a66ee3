#include "art/cells_csv.h"

#include "platform/atomic_file.h"
#include "platform/cp932.h"

#include <algorithm>
#include <cstdio>

namespace lumina {
namespace {

std::string CharacterOf(std::uint32_t code) {
    return cp932::ToUtf8Lossy(cp932::CodeBytes(code));
}

std::string CodeText(std::uint32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(code));
    return text;
}

} // namespace

std::string CellsCsv(int cols, const std::vector<CellChoice>& choices) {
    std::string out = "row,column,wanted,character,code,density,runner_up,runner_up_density\r\n";
    const size_t width = static_cast<size_t>(std::max(cols, 1));
    for (size_t i = 0; i < choices.size(); ++i) {
        const CellChoice& c = choices[i];
        out += std::to_string(i / width) + "," + std::to_string(i % width) + "," +
               std::to_string(c.wanted) + "," + CharacterOf(c.code) + "," + CodeText(c.code) + "," +
               std::to_string(c.density) + ",";
        if (c.hasRunnerUp)
            out += CharacterOf(c.runnerUp) + "," + std::to_string(c.runnerUpDensity);
        else
            out += ",";
        out += "\r\n";
    }
    return out;
}

Status WriteCellsCsv(const std::string& path, int cols, const std::vector<CellChoice>& choices) {
    const WriteResult written = WriteFileAtomically(path, CellsCsv(cols, choices));
    if (written)
        return {};
    return Problem::Failed(kMsgOpenFailed, path + "\n", written.reason);
}

} // namespace lumina
