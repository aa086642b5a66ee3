#include "art/export.h"

#include "art/text_export.h"
#include "image/encoder.h"
#include "platform/atomic_file.h"
#include "platform/surface.h"

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace lumina {
namespace {

std::string_view FileNamePart(std::string_view path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace

std::string DefaultExportName(std::string_view picturePath, bool forImage) {
    std::string_view name = FileNamePart(picturePath);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string_view::npos)
        name = name.substr(0, dot);
    return std::string(name) + (forImage ? "(文字絵)" : "");
}

std::string ExtensionOf(std::string_view path) {
    const std::string_view name = FileNamePart(path);
    const size_t dot = name.find_last_of('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot + 1));
}

Status WriteArtTextFile(const std::string& path, const CellGrid& grid) {
    const WriteResult written = WriteFileAtomically(path, ArtTextBytes(grid));
    if (written)
        return {};
    return Problem::Failed(kMsgOpenFailed, path + "\n", written.reason);
}

Status WriteArtImageFile(const std::string& path, const Surface& art, int width, int height) {
    const std::string type = ExtensionOf(path);
    // Without an encoder nothing may be written at all: let the encoder refuse the real path.
    if (!FindEncoder(type))
        return SaveBitmapThroughEncoder(art, path, width, height, type);
    // The encoder writes the file in place; a temporary beside it keeps an existing file whole
    // until the new one is complete.
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return Problem::Failed(kMsgNoMemory, {}, "cannot create a file beside " + path);
    // mkstemp makes the file private; the picture gets the permissions of a new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    ::close(fd);
    const Status saved = SaveBitmapThroughEncoder(art, temp, width, height, type);
    if (!saved) {
        std::remove(temp.c_str());
        return saved;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return Problem::Failed(kMsgNoMemory, {}, "cannot replace " + path);
    }
    return {};
}

} // namespace lumina
