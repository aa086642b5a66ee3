#pragma once

#include <string>
#include <vector>

namespace lumina::cli {

// A subcommand of lumina-cli. Returns the exit code: 0 done, 1 the work failed, 2 usage error.
using CommandFunction = int (*)(const std::vector<std::string>& args);

// Each subcommand file registers itself with one static instance; its usage and options are
// in the table of cli/command_docs.cpp.
struct CommandRegistration {
    CommandRegistration(const char* name, CommandFunction function);
};

// Prints "lumina-cli: message" and the usage line of the command to stderr; returns 2.
int UsageError(const std::string& command, const std::string& message);

// Prints "lumina-cli: message" to stderr; returns 1.
int Failure(const std::string& message);

// Reads a decimal or 0x-prefixed integer; false when the whole text is not one.
bool ParseInt(const std::string& text, long& value);

} // namespace lumina::cli
