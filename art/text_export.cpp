#include "art/text_export.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumina {

std::string ArtTextBytes(const CellGrid& grid) {
    std::string out;
    out.reserve(static_cast<size_t>(grid.rows) * (static_cast<size_t>(grid.cols) * 2 + 2));
    for (int r = 0; r < grid.rows; ++r) {
        for (int c = 0; c < grid.cols; ++c) {
            const auto code =
                static_cast<std::uint32_t>(grid.cells[static_cast<size_t>(r) * grid.cols + c]);
            if (code >= 256)
                out.push_back(static_cast<char>((code >> 8) & 0xFF));
            out.push_back(static_cast<char>(code & 0xFF));
        }
        out += "\r\n";
    }
    return out;
}

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

} // namespace

bool WriteFileReplacing(const std::string& path, std::string_view bytes) {
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    // mkstemp makes the file private; the result gets the permissions of a newly created file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    bool ok = WriteAll(fd, bytes);
    ok = (::fsync(fd) == 0) && ok;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok)
        ::unlink(temp.c_str());
    return ok;
}

} // namespace lumina
