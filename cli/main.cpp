// lumina-cli: the batch face of Lumina Graph. Each subcommand lives in its own file and
// registers itself here.
#include "cli/command.h"

#include "cli/command_docs.h"
#include "platform/heap.h"

#include <QString>
#include <QtGlobal>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace lumina::cli {
namespace {

std::map<std::string, CommandFunction>& Registry() {
    static std::map<std::string, CommandFunction> registry;
    return registry;
}

const char* SynopsisOf(const std::string& name) {
    const CommandDoc* doc = FindCommandDoc(name);
    return doc ? doc->synopsis.c_str() : "";
}

void PrintUsage() {
    std::fprintf(stderr, "usage: lumina-cli COMMAND [OPTIONS]\ncommands:\n");
    for (const auto& [name, function] : Registry())
        std::fprintf(stderr, "  lumina-cli %s %s\n", name.c_str(), SynopsisOf(name));
}

// --help for the whole tool, or for the command named after it ("lumina-cli help render").
int PrintHelp(const std::string& command) {
    if (command.empty()) {
        std::fputs(OverviewHelp().c_str(), stdout);
        return 0;
    }
    const CommandDoc* doc = FindCommandDoc(command);
    if (!doc || !Registry().contains(command)) {
        std::fprintf(stderr, "lumina-cli: unknown command '%s'\n", command.c_str());
        PrintUsage();
        return 2;
    }
    std::fputs(CommandHelp(*doc).c_str(), stdout);
    return 0;
}

// The libraries' own chatter (a decoder's "libpng error", a font's warning) would add lines to
// the one line a failure gets; the batch tool's problems say what went wrong in their place.
void QuietLibraryMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg || type == QtCriticalMsg)
        std::fprintf(stderr, "lumina-cli: %s\n", message.toLocal8Bit().constData());
}

// What a command printed is only out once standard output took it: a full disk or a closed pipe
// shows at the last flush, and a run whose output was lost has failed. A run that failed has
// already said why in its one line.
int FlushedExit(int code) {
    errno = 0;
    if ((std::fflush(stdout) == 0 && !std::ferror(stdout)) || code != 0)
        return code;
    const int error = errno;
    std::fprintf(stderr, "lumina-cli: cannot write to standard output: %s\n",
                 error != 0 ? std::strerror(error) : "write error");
    return code == 0 ? 1 : code;
}

} // namespace

CommandRegistration::CommandRegistration(const char* name, CommandFunction function) {
    Registry()[name] = function;
}

int UsageError(const std::string& command, const std::string& message) {
    std::fprintf(stderr, "lumina-cli: %s\n", message.c_str());
    if (Registry().contains(command))
        std::fprintf(stderr, "usage: lumina-cli %s %s\n", command.c_str(), SynopsisOf(command));
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
    lumina::KeepLargeBlocksMapped();
    qInstallMessageHandler(QuietLibraryMessages);
    if (argc < 2) {
        PrintUsage();
        return 2;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help")
        return FlushedExit(PrintHelp(argc > 2 ? argv[2] : ""));
    if (name == "--version") {
        std::printf("lumina-cli %s\n", LUMINA_VERSION);
        return FlushedExit(0);
    }
    const auto it = Registry().find(name);
    if (it == Registry().end()) {
        std::fprintf(stderr, "lumina-cli: unknown command '%s'\n", name.c_str());
        PrintUsage();
        return 2;
    }
    std::vector<std::string> args(argv + 2, argv + argc);
    const CommandDoc* doc = FindCommandDoc(name);
    if (doc && AsksForHelp(*doc, args))
        return FlushedExit(PrintHelp(name));
    const int code = FlushedExit(it->second(args));
#if defined(__SANITIZE_ADDRESS__)
    return code; // the leak check runs at exit
#else
    // The command has written and closed everything it made; the libraries' teardown at exit
    // would only touch pages (a megabyte and more of a short run's peak) to free what the
    // system takes back anyway.
    std::fflush(stderr);
    std::_Exit(code);
#endif
}
