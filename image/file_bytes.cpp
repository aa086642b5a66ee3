#include "image/file_bytes.h"

#include <cstdio>
#include <memory>
#include <new>

#include <sys/stat.h>

namespace lumina {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

} // namespace

FileBytes ReadWholeFile(const std::string& path) {
    FileBytes result;
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return result;
    // Only a regular file has a length to read; a folder opens on Linux but reads nothing.
    struct stat st {};
    if (fstat(fileno(file.get()), &st) != 0 || !S_ISREG(st.st_mode))
        return result;
    const auto length = static_cast<std::uint64_t>(st.st_size);
    if (length > result.bytes.max_size()) {
        result.status = ReadStatus::NoMemory;
        return result;
    }
    try {
        result.bytes.resize(static_cast<std::size_t>(length));
    } catch (const std::bad_alloc&) {
        result.status = ReadStatus::NoMemory;
        return result;
    }
    const std::size_t got = std::fread(result.bytes.data(), 1, result.bytes.size(), file.get());
    result.status = got == result.bytes.size() ? ReadStatus::Ok : ReadStatus::ShortRead;
    if (result.status != ReadStatus::Ok)
        result.bytes.clear();
    return result;
}

bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    if (std::fclose(file.release()) == 0 && written)
        return true;
    // A half-written picture is worse than none.
    std::remove(path.c_str());
    return false;
}

} // namespace lumina
