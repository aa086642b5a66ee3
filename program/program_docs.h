#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumina {

// One option of lumina-graph, declared once for --help and the manual page.
struct ProgramOptionDoc {
    std::string_view name;
    std::string_view meaning;
};

// One sentence on what the program is.
std::string_view ProgramSummary();
const std::vector<ProgramOptionDoc>& ProgramOptionDocs();
// The text of lumina-graph --help.
std::string ProgramHelp();

// Answers --help, -h and --version (the version given) on standard output; the exit code when
// one of them was asked, nullopt when the program is to start. It runs before any window
// system is touched.
std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::string_view version);

} // namespace lumina
