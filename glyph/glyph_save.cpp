#include "glyph/glyph_save.h"

#include "glyph/atomic_file.h"
#include "glyph/request.h"
#include "services/common.h"
#include "services/messages.h"
#include "services/services.h"

#include <filesystem>

namespace lumina {

std::optional<std::string> AskSaveFileName(const Services& services, Owner owner,
                                           const GlyphRequest& request) {
    FileDialogRequest dialog;
    dialog.mode = FileDialogRequest::Mode::Save;
    dialog.owner = owner;
    dialog.title = "保存するファイルを指定";
    dialog.filter = "テキストファイル(*.txt)|*.txt||";
    dialog.defaultExtension = "txt";
    dialog.defaultName = request.Char + "(" + std::to_string(request.SjisCode) + ")";
    std::optional<std::string> path = services.prompter.FileName(dialog);
    if (!path || path->empty())
        return std::nullopt;
    std::error_code ignored;
    if (std::filesystem::exists(*path, ignored) &&
        ShowMessageById(services, owner, "", kMsgOverwrite, kQuestionYesNo) == kIdNo)
        return std::nullopt;
    return path;
}

bool SaveTextFile(const Services& services, Owner owner, const std::string& path,
                  std::string_view bytes) {
    if (WriteFileAtomically(path, bytes))
        return true;
    ShowMessageById(services, owner, path + "\n", kMsgOpenFailed, kErrorOk);
    return false;
}

void OfferToShowFolder(const Services& services, Owner owner, const std::string& path) {
    if (ShowMessageById(services, owner, "", kMsgSavedShowFolder, kQuestionYesNo) != kIdNo)
        ShowInExplorer(services, path);
}

void AppendLine(std::string& out, std::string_view line) {
    out.append(line);
    out.append("\r\n");
}

} // namespace lumina
