#pragma once

#include <string>
#include <string_view>

namespace lumina {

// A JSON string of text (UTF-8 passes through; quotes, backslashes and controls are escaped).
std::string JsonString(std::string_view text);

} // namespace lumina
