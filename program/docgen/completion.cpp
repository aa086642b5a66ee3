#include "program/docgen/docgen.h"

#include "cli/command_docs.h"

#include <vector>

namespace lumina::docgen {
namespace {

// How an option's value completes, read from its value form.
enum class ValueKind { None, Files, Faces, Words, Typed };

ValueKind KindOf(const cli::OptionDoc& option) {
    const std::string& v = option.value;
    if (v.empty())
        return ValueKind::None;
    if (v == "FACE")
        return ValueKind::Faces;
    if (v.find("FILE") != std::string::npos)
        return ValueKind::Files;
    const bool wordList =
        v.find('|') != std::string::npos &&
        v.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789|") == std::string::npos;
    return wordList ? ValueKind::Words : ValueKind::Typed;
}

std::string Words(std::string_view list) {
    std::string words(list);
    for (char& c : words) {
        if (c == '|')
            c = ' ';
    }
    return words;
}

std::string Join(const std::vector<std::string>& names, char separator) {
    std::string joined;
    for (const auto& name : names)
        joined += (joined.empty() ? "" : std::string(1, separator)) + name;
    return joined;
}

std::string CaseOf(const cli::CommandDoc& command) {
    std::vector<std::string> options, files, faces, typed;
    std::string branches;
    bool fileOperands = false;
    for (const auto& option : command.options) {
        if (!option.name.starts_with('-')) {
            fileOperands |= option.name == "INPUT" || option.name == "OUTPUT";
            continue;
        }
        options.push_back(option.name);
        switch (KindOf(option)) {
        case ValueKind::Files:
            files.push_back(option.name);
            break;
        case ValueKind::Faces:
            faces.push_back(option.name);
            break;
        case ValueKind::Words:
            branches += "            " + option.name + ") _lumina_cli_words \"" +
                        Words(option.value) + "\"; return ;;\n";
            break;
        case ValueKind::Typed:
            typed.push_back(option.name);
            break;
        case ValueKind::None:
            break;
        }
    }
    if (!faces.empty())
        branches += "            " + Join(faces, '|') + ") _lumina_cli_faces; return ;;\n";
    if (!files.empty())
        branches += "            " + Join(files, '|') + ") _lumina_cli_files; return ;;\n";
    if (!typed.empty())
        branches += "            " + Join(typed, '|') + ") return ;;\n";
    std::string text = "        " + command.name + ")\n";
    text += "            options=\"" + Join(options, ' ') + "\"\n";
    if (!branches.empty())
        text += "            case $prev in\n" + branches + "            esac\n";
    if (fileOperands)
        text += "            operands=files\n";
    return text + "            ;;\n";
}

} // namespace

std::string CompletionCommandNames() {
    std::vector<std::string> names;
    for (const auto& command : cli::CommandDocs())
        names.push_back(command.name);
    return Join(names, ' ');
}

std::string CompletionCases() {
    std::string cases;
    for (const auto& command : cli::CommandDocs())
        cases += CaseOf(command);
    return cases;
}

} // namespace lumina::docgen
