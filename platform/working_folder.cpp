#include "platform/working_folder.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumina {
namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// A folder of ours that nobody else may enter, as the runtime folder must be.
bool IsPrivateFolderOfUser(const std::string& path) {
    struct stat st {};
    return !path.empty() && path[0] == '/' && lstat(path.c_str(), &st) == 0 &&
           S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 077) == 0;
}

std::string HomeFolder() {
    std::string home = Env("HOME");
    if (!home.empty())
        return home;
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return "";
}

std::string ExecutableName() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && !exe.filename().empty())
        return exe.filename().string();
    return "lumina-graph";
}

// Makes the missing folders of path, each new one private.
bool MakeFolders(const std::string& path) {
    std::string partial;
    for (std::size_t i = 1; i <= path.size(); ++i) {
        if (i != path.size() && path[i] != '/')
            continue;
        partial = path.substr(0, i);
        if (mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

std::optional<std::string> PrivateFolderUnder(const std::string& base, const std::string& name) {
    if (base.empty() || base[0] != '/' || name.empty() || name.find('/') != std::string::npos ||
        name == "." || name == ".." || !MakeFolders(base))
        return std::nullopt;
    const std::string folder = base + "/" + name;
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return std::nullopt;
    // Open it without following a link, then judge what was opened rather than the name.
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    bool ok = fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid();
    if (ok && (st.st_mode & 077) != 0)
        ok = fchmod(fd, 0700) == 0;
    close(fd);
    if (!ok)
        return std::nullopt;
    return folder;
}

std::optional<std::string> PrivateWorkingFolder() {
    std::string base = Env("XDG_RUNTIME_DIR");
    if (!IsPrivateFolderOfUser(base)) {
        base = Env("XDG_CACHE_HOME");
        if (base.empty() || base[0] != '/') {
            const std::string home = HomeFolder();
            if (home.empty())
                return std::nullopt;
            base = home + "/.cache";
        }
    }
    return PrivateFolderUnder(base, ExecutableName());
}

std::optional<std::string> PrivateCacheFolder() {
    std::string base = Env("XDG_CACHE_HOME");
    if (base.empty() || base[0] != '/') {
        const std::string home = HomeFolder();
        if (home.empty())
            return std::nullopt;
        base = home + "/.cache";
    }
    return PrivateFolderUnder(base, "lumina-graph");
}

} // namespace lumina
