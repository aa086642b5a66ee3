#include "image/file_bytes.h"

#include <cerrno>
#include <cstring>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumina {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

FileBytes Refused(ReadStatus status, std::string reason) {
    FileBytes result;
    result.status = status;
    result.reason = std::move(reason);
    return result;
}

} // namespace

FileBytes ReadWholeFile(const std::string& path, std::uint64_t maxBytes) {
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer for ever.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        return Refused(ReadStatus::CannotOpen, std::strerror(errno));
    struct stat st {};
    if (::fstat(file.get(), &st) != 0)
        return Refused(ReadStatus::CannotOpen, std::strerror(errno));
    if (S_ISDIR(st.st_mode))
        return Refused(ReadStatus::NotRegular, "a folder, not a file");
    if (!S_ISREG(st.st_mode))
        return Refused(ReadStatus::NotRegular, "not a regular file");
    const auto length = static_cast<std::uint64_t>(st.st_size);
    if (length > maxBytes)
        return Refused(ReadStatus::TooLarge, "the file is " + std::to_string(length) +
                                                 " bytes, more than " + std::to_string(maxBytes));
    FileBytes result;
    try {
        result.bytes.resize(static_cast<std::size_t>(length));
    } catch (const std::bad_alloc&) {
        return Refused(ReadStatus::NoMemory, "no memory for " + std::to_string(length) + " bytes");
    }
    std::size_t got = 0;
    while (got < result.bytes.size()) {
        const ssize_t n = ::read(file.get(), result.bytes.data() + got, result.bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const std::string why = n < 0 ? std::strerror(errno) : "the file ended early";
            return Refused(ReadStatus::ShortRead, why);
        }
        got += static_cast<std::size_t>(n);
    }
    result.status = ReadStatus::Ok;
    return result;
}

} // namespace lumina
