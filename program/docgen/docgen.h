#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace lumina::docgen {

// Text set for roff: backslashes kept, a dash that starts a word (an option, a negative
// number) as a minus sign, and a line that would start with a control character guarded.
std::string RoffText(std::string_view text);

// The parts of the manual pages made from the option tables.
std::string ProgramOptionsRoff();
std::string CliOptionsRoff();
std::string CliCommandsRoff();

// The parts of the bash completion made from the same table: the command names, and one case
// branch per command with its options and how their values complete.
std::string CompletionCommandNames();
std::string CompletionCases();

// The template with every @KEY@ replaced by its value; nullopt, with the key in error, when the
// template names a key that has no value.
std::optional<std::string>
Fill(std::string_view text, const std::map<std::string, std::string>& values, std::string& error);

} // namespace lumina::docgen
