#include "cli/json_text.h"

#include <cstdio>

namespace lumina::cli {

void PrintJsonObject(const std::vector<JsonMember>& members) {
    std::printf("{\n");
    for (std::size_t i = 0; i < members.size(); ++i) {
        std::printf("  %s: %s%s\n", JsonString(members[i].name).c_str(), members[i].value.c_str(),
                    i + 1 < members.size() ? "," : "");
    }
    std::printf("}\n");
}

} // namespace lumina::cli
