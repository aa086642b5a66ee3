#include "art/export.h"

#include "art/text_export.h"
#include "image/encoder.h"
#include "platform/atomic_file.h"
#include "platform/surface.h"

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
    return SaveBitmapThroughEncoder(art, path, width, height, ExtensionOf(path));
}

} // namespace lumina
