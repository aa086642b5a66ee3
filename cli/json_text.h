#pragma once

#include "services/json_text.h"

#include <string>
#include <vector>

namespace lumina::cli {

using lumina::JsonString;

// A member of a flat JSON object: its name and its value already written as JSON.
struct JsonMember {
    std::string name;
    std::string value;
};

// One object on stdout, a member a line, in the order given.
void PrintJsonObject(const std::vector<JsonMember>& members);

} // namespace lumina::cli
