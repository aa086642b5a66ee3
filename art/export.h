#pragma once

#include "art/engine.h"
#include "services/prompter.h"

#include <string>
#include <string_view>

namespace lumina {

struct Services;

inline constexpr std::string_view kExportDialogTitle = "保存するファイルを指定";
inline constexpr std::string_view kImageExportFilter =
    "JPEGファイル(*.jpeg)|*.jpeg|GIFファイル(*.gif)|*.gif|ビットマップファイル(*.bmp)|*.bmp|"
    "PNGファイル(*.png)|*.png|TIFFファイル(*.tiff)|*.tiff||";
inline constexpr std::string_view kTextExportFilter = "テキストファイル(*.txt)|*.txt||";

// The proposed file name: the picture's file name before its last ".", with "(文字絵)" added
// for the image export.
std::string DefaultExportName(std::string_view picturePath, bool forImage);

// The extension of a path's file name (the text after its last "."); empty when it has none.
std::string ExtensionOf(std::string_view path);

// Writes the art's text to path; message 30016 after the path and a line break on failure.
// An existing file is replaced only by a complete one.
bool WriteArtTextFile(const Services& services, Owner owner, const std::string& path,
                      const CellGrid& grid);

// Writes the art surface scaled to width x height in the format of the path's extension;
// message 30001 on failure (from the encoder). An existing file is replaced only by a
// complete one.
bool WriteArtImageFile(const Services& services, Owner owner, const std::string& path,
                       const Surface& art, int width, int height);

// The two export commands: save dialog, overwrite question 30015, (for the image) the size
// question 30020, the write, and 30012 with the folder shown on Yes. They do nothing without
// completed art. True when a file was written.
bool ExportArtImage(const Services& services, Owner owner, std::string_view picturePath,
                    const CompletedArt* art);
bool ExportArtText(const Services& services, Owner owner, std::string_view picturePath,
                   const CompletedArt* art);

} // namespace lumina
