#pragma once

#include "art/engine.h"
#include "services/prompter.h"

#include <string_view>

namespace lumina {

struct Services;

inline constexpr std::string_view kExportDialogTitle = "保存するファイルを指定";
inline constexpr std::string_view kImageExportFilter =
    "JPEGファイル(*.jpeg)|*.jpeg|GIFファイル(*.gif)|*.gif|ビットマップファイル(*.bmp)|*.bmp|"
    "PNGファイル(*.png)|*.png|TIFFファイル(*.tiff)|*.tiff||";
inline constexpr std::string_view kTextExportFilter = "テキストファイル(*.txt)|*.txt||";

// The two export commands: save dialog, overwrite question 30015, (for the image) the size
// question 30020, the write, and 30012 with the folder shown on Yes. They do nothing without
// completed art. True when a file was written.
bool ExportArtImage(const Services& services, Owner owner, std::string_view picturePath,
                    const CompletedArt* art);
bool ExportArtText(const Services& services, Owner owner, std::string_view picturePath,
                   const CompletedArt* art);

} // namespace lumina
