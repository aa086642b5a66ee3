// lumina-docgen VERSION RESOURCES OUT: the manual pages lumina-graph.1 and lumina-cli.1 and the
// bash completion of lumina-cli, written into OUT from the templates in RESOURCES/man and
// RESOURCES/completion and the programs' own tables of options, so that what --help says and
// what they say cannot differ.
#include "program/docgen/docgen.h"

#include "cli/command_docs.h"
#include "program/program_docs.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using Values = std::map<std::string, std::string>;

bool Write(const std::filesystem::path& templatePath, const std::filesystem::path& outPath,
           const Values& values) {
    std::ifstream in(templatePath, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    if (!in) {
        std::fprintf(stderr, "lumina-docgen: cannot read %s\n", templatePath.c_str());
        return false;
    }
    std::string error;
    const auto filled = lumina::docgen::Fill(text.str(), values, error);
    if (!filled) {
        std::fprintf(stderr, "lumina-docgen: %s: %s\n", templatePath.c_str(), error.c_str());
        return false;
    }
    std::error_code ignored;
    std::filesystem::create_directories(outPath.parent_path(), ignored);
    std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
    out << *filled;
    out.close();
    if (!out) {
        std::fprintf(stderr, "lumina-docgen: cannot write %s\n", outPath.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    using namespace lumina::docgen;
    if (argc != 4) {
        std::fprintf(stderr, "usage: lumina-docgen VERSION RESOURCES OUT\n");
        return 2;
    }
    const std::string version = argv[1];
    const std::filesystem::path resources = argv[2];
    const std::filesystem::path out = argv[3];

    const Values graph{
        {"VERSION", version},
        {"SUMMARY", RoffText(lumina::ProgramSummary())},
        {"OPTIONS", ProgramOptionsRoff()},
    };
    const Values cli{
        {"VERSION", version},
        {"SUMMARY", RoffText(lumina::cli::ToolSummary())},
        {"OPTIONS", CliOptionsRoff()},
        {"COMMANDS", CliCommandsRoff()},
    };
    const Values completion{
        {"COMMANDS", CompletionCommandNames()},
        {"CASES", CompletionCases()},
    };
    const bool ok =
        Write(resources / "man/lumina-graph.1.in", out / "man/lumina-graph.1", graph) &&
        Write(resources / "man/lumina-cli.1.in", out / "man/lumina-cli.1", cli) &&
        Write(resources / "completion/lumina-cli.in", out / "completion/lumina-cli", completion);
    return ok ? 0 : 1;
}
