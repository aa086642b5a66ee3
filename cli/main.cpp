// lumina-cli: the batch face of Lumina Graph. Each subcommand lives in its own file and
// registers itself here.
#include "cli/command.h"

#include <QString>
#include <QtGlobal>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace lumina::cli {
namespace {

struct Command {
    const char* usage;
    CommandFunction function;
};

std::map<std::string, Command>& Registry() {
    static std::map<std::string, Command> registry;
    return registry;
}

void PrintUsage() {
    std::fprintf(stderr, "usage: lumina-cli COMMAND [OPTIONS]\ncommands:\n");
    for (const auto& [name, command] : Registry())
        std::fprintf(stderr, "  lumina-cli %s %s\n", name.c_str(), command.usage);
}

// The libraries' own chatter (a decoder's "libpng error", a font's warning) would add lines to
// the one line a failure gets; the batch tool's problems say what went wrong in their place.
void QuietLibraryMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg || type == QtCriticalMsg)
        std::fprintf(stderr, "lumina-cli: %s\n", message.toLocal8Bit().constData());
}

} // namespace

CommandRegistration::CommandRegistration(const char* name, const char* usage,
                                         CommandFunction function) {
    Registry()[name] = Command{usage, function};
}

int UsageError(const std::string& command, const std::string& message) {
    std::fprintf(stderr, "lumina-cli: %s\n", message.c_str());
    const auto it = Registry().find(command);
    if (it != Registry().end())
        std::fprintf(stderr, "usage: lumina-cli %s %s\n", command.c_str(), it->second.usage);
    else
        PrintUsage();
    return 2;
}

int Failure(const std::string& message) {
    std::fprintf(stderr, "lumina-cli: %s\n", message.c_str());
    return 1;
}

bool ParseInt(const std::string& text, long& value) {
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    value = std::strtol(text.c_str(), &end, hex ? 16 : 10);
    return errno == 0 && end && *end == '\0';
}

} // namespace lumina::cli

int main(int argc, char** argv) {
    using namespace lumina::cli;
    qInstallMessageHandler(QuietLibraryMessages);
    if (argc < 2) {
        PrintUsage();
        return 2;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage();
        return 0;
    }
    const auto it = Registry().find(name);
    if (it == Registry().end()) {
        std::fprintf(stderr, "lumina-cli: unknown command '%s'\n", name.c_str());
        PrintUsage();
        return 2;
    }
    std::vector<std::string> args(argv + 2, argv + argc);
    return it->second.function(args);
}
