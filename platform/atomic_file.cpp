#include "platform/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace lumina {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The folder of path, for the fsync that makes the rename itself durable.
std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

WriteResult Failed(int error) {
    return {false, std::strerror(error)};
}

} // namespace

WriteResult WriteFileAtomically(const std::string& target, std::string_view bytes) {
    if (target.empty())
        return {false, "no file name"};
    // A link is followed, so that the file it names is replaced and the link stays a link.
    std::string path = target;
    std::error_code error;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(target, error))) {
        path = std::filesystem::weakly_canonical(target, error).string();
        if (error || path.empty())
            return {false, error ? error.message() : "the link leads nowhere"};
    }
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    // Only a regular file (or nothing) is replaced: a folder, device or pipe of that name stays.
    if (exists && !S_ISREG(existing.st_mode))
        return {false, S_ISDIR(existing.st_mode) ? "a folder is in the way" : "not a regular file"};
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return Failed(errno);
    const mode_t mode = exists ? (existing.st_mode & 07777) : NewFileMode();
    int failure = 0;
    if (::fchmod(fd, mode) != 0 || !WriteAll(fd, bytes) || ::fsync(fd) != 0)
        failure = errno;
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    if (failure == 0 && ::rename(temp.c_str(), path.c_str()) != 0)
        failure = errno;
    if (failure != 0) {
        ::unlink(temp.c_str());
        return Failed(failure);
    }
    const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {true, {}};
}

WriteResult WriteFileAtomically(const std::string& target, std::span<const std::uint8_t> bytes) {
    return WriteFileAtomically(
        target, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace lumina
