#include "cli/json_text.h"

#include <cstdio>

namespace lumina::cli {

std::string JsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

void PrintJsonObject(const std::vector<JsonMember>& members) {
    std::printf("{\n");
    for (std::size_t i = 0; i < members.size(); ++i) {
        std::printf("  %s: %s%s\n", JsonString(members[i].name).c_str(), members[i].value.c_str(),
                    i + 1 < members.size() ? "," : "");
    }
    std::printf("}\n");
}

} // namespace lumina::cli
