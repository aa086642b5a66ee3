#include "art/export.h"

#include "art/text_export.h"
#include "image/encoder.h"
#include "platform/surface.h"
#include "services/common.h"
#include "services/messages.h"
#include "services/services.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace lumina {
namespace {

std::string_view FileNamePart(std::string_view path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::u8path(path), error);
}

// Save dialog and overwrite question; the chosen path, or nullopt when the user stopped.
std::optional<std::string> AskPath(const Services& services, Owner owner,
                                   std::string_view extension, std::string_view filter,
                                   std::string defaultName) {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.owner = owner;
    request.title = kExportDialogTitle;
    request.filter = filter;
    request.defaultExtension = extension;
    request.defaultName = std::move(defaultName);
    auto path = services.prompter.FileName(request);
    if (!path)
        return std::nullopt;
    if (Exists(*path) &&
        ShowMessageById(services, owner, "", kMsgOverwrite, kQuestionYesNo) == kIdNo)
        return std::nullopt;
    return path;
}

void OfferFolder(const Services& services, Owner owner, const std::string& path) {
    if (ShowMessageById(services, owner, "", kMsgSavedShowFolder, kQuestionYesNo) == kIdYes)
        ShowInExplorer(services, path);
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

bool WriteArtTextFile(const Services& services, Owner owner, const std::string& path,
                      const CellGrid& grid) {
    if (WriteFileReplacing(path, ArtTextBytes(grid)))
        return true;
    ShowMessageById(services, owner, path + "\n", kMsgOpenFailed, kErrorOk);
    return false;
}

bool WriteArtImageFile(const Services& services, Owner owner, const std::string& path,
                       const Surface& art, int width, int height) {
    const std::string type = ExtensionOf(path);
    // Without an encoder nothing may be written at all: let the encoder refuse the real path.
    if (!FindEncoder(type))
        return SaveBitmapThroughEncoder(services, art, path, width, height, type, owner);
    // The encoder writes the file in place; a temporary beside it keeps an existing file whole
    // until the new one is complete.
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        ShowMessageById(services, owner, "", kMsgNoMemory, kErrorOk);
        return false;
    }
    // mkstemp makes the file private; the picture gets the permissions of a new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    ::close(fd);
    if (!SaveBitmapThroughEncoder(services, art, temp, width, height, type, owner)) {
        std::remove(temp.c_str());
        return false;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        ShowMessageById(services, owner, "", kMsgNoMemory, kErrorOk);
        return false;
    }
    return true;
}

bool ExportArtImage(const Services& services, Owner owner, std::string_view picturePath,
                    const CompletedArt* art) {
    if (!art || art->layout.cols == 0 || !art->art)
        return false;
    const auto path =
        AskPath(services, owner, "jpeg", kImageExportFilter, DefaultExportName(picturePath, true));
    if (!path)
        return false;
    const int answer = ShowMessageById(services, owner, "", kMsgKeepAspect, kQuestionYesNoCancel);
    if (answer == kIdCancel)
        return false;
    const bool pictureSize = answer == kIdYes;
    const int width = pictureSize ? art->outW : art->layout.drawW;
    const int height = pictureSize ? art->layout.outH : art->layout.drawH;
    if (!WriteArtImageFile(services, owner, *path, *art->art, width, height))
        return false;
    OfferFolder(services, owner, *path);
    return true;
}

bool ExportArtText(const Services& services, Owner owner, std::string_view picturePath,
                   const CompletedArt* art) {
    if (!art || art->layout.cols == 0)
        return false;
    const auto path =
        AskPath(services, owner, "txt", kTextExportFilter, DefaultExportName(picturePath, false));
    if (!path)
        return false;
    if (!WriteArtTextFile(services, owner, *path, art->grid))
        return false;
    OfferFolder(services, owner, *path);
    return true;
}

} // namespace lumina
