#include "program/docgen/docgen.h"

#include "cli/command_docs.h"
#include "program/program_docs.h"

namespace lumina::docgen {
namespace {

bool StartsWord(std::string_view text, std::size_t i) {
    return i == 0 || std::string_view(" [(|,-").find(text[i - 1]) != std::string_view::npos;
}

// "the size in points" as "The size in points."
std::string Sentence(std::string_view text) {
    std::string sentence = RoffText(text);
    if (!sentence.empty() && sentence[0] >= 'a' && sentence[0] <= 'z')
        sentence[0] = static_cast<char>(sentence[0] - 'a' + 'A');
    if (!sentence.empty() && sentence.back() != '.')
        sentence += '.';
    return sentence;
}

// An option's tag line: the name in bold, its value form in italics; an operand in italics.
std::string Tag(std::string_view name, std::string_view value) {
    if (!name.starts_with('-'))
        return "\\fI" + RoffText(name) + "\\fR";
    std::string tag = "\\fB" + RoffText(name) + "\\fR";
    if (!value.empty())
        tag += " \\fI" + RoffText(value) + "\\fR";
    return tag;
}

// The option as --help gives it: the meaning, then the range after a semicolon.
std::string Item(const std::string& tag, std::string_view meaning, std::string_view range) {
    const std::string text =
        range.empty() ? std::string(meaning) : std::string(meaning) + "; " + std::string(range);
    return ".TP\n" + tag + "\n" + Sentence(text) + "\n";
}

std::string OptionsRoff(const std::vector<cli::OptionDoc>& options) {
    std::string roff;
    for (const auto& option : options)
        roff += Item(Tag(option.name, option.value), option.meaning, option.range);
    return roff;
}

} // namespace

std::string RoffText(std::string_view text) {
    std::string roff;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\')
            roff += "\\e";
        else if (c == '-' && StartsWord(text, i))
            roff += "\\-";
        else
            roff += c;
    }
    if (!roff.empty() && (roff[0] == '.' || roff[0] == '\''))
        roff.insert(0, "\\&");
    return roff;
}

std::string ProgramOptionsRoff() {
    std::string roff;
    for (const auto& option : ProgramOptionDocs())
        roff += Item(Tag(option.name, ""), option.meaning, "");
    return roff;
}

std::string CliOptionsRoff() {
    return OptionsRoff(cli::GlobalOptionDocs());
}

std::string CliCommandsRoff() {
    std::string roff;
    for (const auto& command : cli::CommandDocs()) {
        roff += ".SS " + command.name + "\n";
        // The usage line unhyphenated, as it is typed.
        roff += ".nh\n\\fBlumina\\-cli " + command.name + "\\fR " + RoffText(command.synopsis) +
                "\n.hy\n";
        roff += ".PP\n" + Sentence(command.summary) + "\n";
        roff += OptionsRoff(command.options);
    }
    return roff;
}

std::optional<std::string>
Fill(std::string_view text, const std::map<std::string, std::string>& values, std::string& error) {
    // A key is @ capitals and underscores @; any other @ (a bash "${array[@]}") is text.
    const auto keyLength = [&](std::size_t open) -> std::size_t {
        std::size_t end = open + 1;
        while (end < text.size() && ((text[end] >= 'A' && text[end] <= 'Z') || text[end] == '_'))
            ++end;
        return end < text.size() && text[end] == '@' && end > open + 1 ? end - open + 1 : 0;
    };
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t length = text[i] == '@' ? keyLength(i) : 0;
        if (length == 0) {
            filled += text[i];
            continue;
        }
        const std::string key(text.substr(i + 1, length - 2));
        const auto value = values.find(key);
        if (value == values.end()) {
            error = "@" + key + "@ has no value";
            return std::nullopt;
        }
        filled += value->second;
        i += length - 1;
    }
    return filled;
}

} // namespace lumina::docgen
