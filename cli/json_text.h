#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumina::cli {

// A JSON string of text (UTF-8 passes through; quotes, backslashes and controls are escaped).
std::string JsonString(std::string_view text);

// A member of a flat JSON object: its name and its value already written as JSON.
struct JsonMember {
    std::string name;
    std::string value;
};

// One object on stdout, a member a line, in the order given.
void PrintJsonObject(const std::vector<JsonMember>& members);

} // namespace lumina::cli
