#include "mainwin/glyph_files.h"

#include "glyph/glyph_save.h"
#include "glyph/last_settings.h"
#include "glyph/outline.h"
#include "glyph/outline_file.h"
#include "glyph/outline_json.h"
#include "glyph/request.h"
#include "platform/atomic_file.h"
#include "platform/cp932.h"
#include "services/messages.h"
#include "services/services.h"
#include "services/settings_store.h"

#include <cctype>
#include <filesystem>

namespace lumina {

namespace {

constexpr const char* kTextFilter = "テキストファイル(*.txt)|*.txt||";
// The point file may also be written in its JSON form; the text form stays the first choice.
constexpr const char* kPointFileFilter =
    "テキストファイル(*.txt)|*.txt|JSONファイル(*.json)|*.json||";

bool IsJsonPath(const std::string& path) {
    std::string extension = std::filesystem::u8path(path).extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".json";
}

// The save dialog with the given file types; with more than one, the extension added to a bare
// name follows the type chosen.
std::optional<std::string> AskSaveFileNameIn(const Services& services, Owner owner,
                                             const GlyphRequest& request, const char* filter,
                                             bool typeChoice) {
    FileDialogRequest dialog;
    dialog.mode = FileDialogRequest::Mode::Save;
    dialog.owner = owner;
    dialog.title = "保存するファイルを指定";
    dialog.filter = filter;
    dialog.defaultExtension = "txt";
    dialog.defaultName = DefaultSaveName(request);
    dialog.extensionFollowsType = typeChoice;
    std::optional<std::string> path = services.prompter.FileName(dialog);
    if (!path || path->empty())
        return std::nullopt;
    std::error_code ignored;
    if (std::filesystem::exists(*path, ignored) &&
        ShowMessageById(services, owner, "", kMsgOverwrite, kQuestionYesNo) == kIdNo)
        return std::nullopt;
    return path;
}

} // namespace

std::optional<std::string> AskSaveFileName(const Services& services, Owner owner,
                                           const GlyphRequest& request) {
    return AskSaveFileNameIn(services, owner, request, kTextFilter, false);
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

void WriteOutlinePointFile(const Services& services, Owner owner, const GlyphOutline& outline,
                           const GlyphRequest& request) {
    if (outline.pointCount == 0)
        return;
    const std::optional<std::string> path =
        AskSaveFileNameIn(services, owner, request, kPointFileFilter, true);
    if (!path)
        return;
    const bool withControlPoints =
        ShowMessageById(services, owner, "", kMsgControlPoints, kQuestionYesNo) == kIdYes;
    std::string bytes;
    if (IsJsonPath(*path)) {
        const Result<OutlineJsonSource> source = FetchOutlineJsonSource(services, request);
        if (!source) {
            ShowProblem(services, owner, source.problem());
            return;
        }
        bytes = FormatOutlineJson(*source, outline, withControlPoints);
    } else {
        bytes = FormatOutlinePointFile(outline, withControlPoints);
    }
    if (!SaveTextFile(services, owner, *path, bytes))
        return;
    OfferToShowFolder(services, owner, *path);
}

bool ReadBitCharacters(const Services& services, Owner owner, BitStrings& fields) {
    if (fields.ink.empty()) {
        if (ShowMessageById(services, owner, "", kMsgBlankInk, kQuestionYesNo) == kIdNo)
            return false;
        fields.ink = "1";
    }
    if (fields.background.empty()) {
        if (ShowMessageById(services, owner, "", kMsgBlankBackground, kQuestionYesNo) == kIdNo)
            return false;
        fields.background = "0";
    }
    return true;
}

void WriteBitPicture(const Services& services, Owner owner, const GlyphOutline& outline,
                     const GlyphRequest& request, BitStrings& fields) {
    if (outline.pointCount == 0)
        return;
    if (!ReadBitCharacters(services, owner, fields))
        return;
    const std::optional<std::string> ink = cp932::FromUtf8(fields.ink);
    const std::optional<std::string> background = cp932::FromUtf8(fields.background);
    if (!ink || !background) {
        ShowMessageById(services, owner, "", kMsgNotCp932, kInfoOk);
        return;
    }
    last::Bit0Char.Write(services.settings, fields.background);
    last::Bit1Char.Write(services.settings, fields.ink);
    const std::optional<std::string> path = AskSaveFileName(services, owner, request);
    if (!path)
        return;
    // Nothing to write (no font, no memory, a glyph without ink) leaves any existing file alone.
    const Result<std::string> bytes = MakeBitPicture(services, request, *ink, *background);
    if (!bytes) {
        ShowProblem(services, owner, bytes.problem());
        return;
    }
    if (bytes->empty() || !SaveTextFile(services, owner, *path, *bytes))
        return;
    OfferToShowFolder(services, owner, *path);
}

} // namespace lumina
