#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumina::cli {

// One option or operand of a command, declared once for --help, the manual page and the shell
// completion. An operand's name has no leading '-'.
struct OptionDoc {
    std::string name;    // "--size", "-o", or an operand such as "INPUT"
    std::string value;   // the value form ("PT", "outline|bitmap|drawing"); empty for a switch
    std::string meaning; // what it does
    std::string range;   // the values it takes and its default; may be empty
};

struct CommandDoc {
    std::string name;
    std::string synopsis; // what follows "lumina-cli NAME" on the usage line
    std::string summary;  // one sentence
    std::vector<OptionDoc> options;
};

// Every command, by name.
const std::vector<CommandDoc>& CommandDocs();
// The command's entry; nullptr when there is none.
const CommandDoc* FindCommandDoc(std::string_view name);
// What lumina-cli itself takes before a command: --help and --version.
const std::vector<OptionDoc>& GlobalOptionDocs();
// One sentence on what the batch tool is.
std::string_view ToolSummary();

// "NAME VALUE" as the option is written on the command line.
std::string OptionLabel(const OptionDoc& option);
// The help of lumina-cli --help: usage, commands and the options above.
std::string OverviewHelp();
// The help of lumina-cli COMMAND --help: usage line, summary, one line per option.
std::string CommandHelp(const CommandDoc& command);
// Whether args (after the command name) ask for help: -h or --help in an option's place, not
// as the value of an option that takes one.
bool AsksForHelp(const CommandDoc& command, const std::vector<std::string>& args);

} // namespace lumina::cli
