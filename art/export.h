#pragma once

#include "art/engine.h"
#include "services/problem.h"

#include <string>
#include <string_view>

namespace lumina {

// The proposed file name: the picture's file name before its last ".", with "(文字絵)" added
// for the image export.
std::string DefaultExportName(std::string_view picturePath, bool forImage);

// The extension of a path's file name (the text after its last "."); empty when it has none.
std::string ExtensionOf(std::string_view path);

// Writes the art's text to path; 30016 after the path and a line break on failure. An existing
// file is replaced only by a complete one.
Status WriteArtTextFile(const std::string& path, const CellGrid& grid);

// Writes the art surface scaled to width x height in the format of the path's extension;
// 30001 on failure (from the encoder). An existing file is replaced only by a complete one.
Status WriteArtImageFile(const std::string& path, const Surface& art, int width, int height);

} // namespace lumina
