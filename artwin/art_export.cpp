#include "artwin/art_export.h"

#include "art/export.h"
#include "services/messages.h"
#include "services/services.h"

#include <filesystem>

namespace lumina {
namespace {

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
    const Status written = WriteArtImageFile(*path, *art->art, width, height);
    if (!written) {
        ShowProblem(services, owner, written.problem());
        return false;
    }
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
    const Status written = WriteArtTextFile(*path, art->grid);
    if (!written) {
        ShowProblem(services, owner, written.problem());
        return false;
    }
    OfferFolder(services, owner, *path);
    return true;
}

} // namespace lumina
