#include "image/picture_type.h"

#include <array>
#include <utility>

namespace lumina {

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

PictureType PictureTypeFromPath(std::string_view path) {
    // In UTF-8 and in code page 932 alike, the byte '.' is never part of a longer character.
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    const std::string extension = LowerAscii(path.substr(dot + 1));
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kTypes{{
        {"jpg", "jpeg"},
        {"jpeg", "jpeg"},
        {"gif", "gif"},
        {"bmp", "bmp"},
        {"png", "png"},
        {"tif", "tiff"},
        {"tiff", "tiff"},
    }};
    for (const auto& [ext, type] : kTypes) {
        if (extension == ext)
            return PictureType(type);
    }
    return {};
}

} // namespace lumina
