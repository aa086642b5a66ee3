#include "program/program_docs.h"

#include <algorithm>
#include <cstdio>

namespace lumina {

std::string_view ProgramSummary() {
    return "Studies how a font draws one character: outline, bitmap and drawing with its "
           "metrics; turns pictures into character art.";
}

const std::vector<ProgramOptionDoc>& ProgramOptionDocs() {
    static const std::vector<ProgramOptionDoc> options{
        {"-h, --help", "shows this help"},
        {"--version", "prints the version"},
    };
    return options;
}

std::string ProgramHelp() {
    std::string text = "usage: lumina-graph [--help | --version]\n" +
                       std::string(ProgramSummary()) +
                       "\nルミナ・グラフ opens its main window; it takes no files.\n\n";
    std::size_t column = 0;
    for (const auto& option : ProgramOptionDocs())
        column = std::max(column, option.name.size());
    for (const auto& option : ProgramOptionDocs()) {
        text += "  " + std::string(option.name) + std::string(column - option.name.size(), ' ') +
                "  " + std::string(option.meaning) + "\n";
    }
    return text;
}

std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::string_view version) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version") {
            std::printf("lumina-graph %.*s\n", static_cast<int>(version.size()), version.data());
            return 0;
        }
        if (arg == "--help" || arg == "-h") {
            std::fputs(ProgramHelp().c_str(), stdout);
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace lumina
