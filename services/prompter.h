#pragma once

#include "services/problem.h"

#include <optional>
#include <string>

namespace lumina {

enum class MsgButtons { Ok, YesNo, YesNoCancel };

struct MessageStyle {
    MsgIcon icon = MsgIcon::Information;
    MsgButtons buttons = MsgButtons::Ok;
    friend bool operator==(const MessageStyle&, const MessageStyle&) = default;
};

inline constexpr MessageStyle kInfoOk{MsgIcon::Information, MsgButtons::Ok};
inline constexpr MessageStyle kWarningOk{MsgIcon::Warning, MsgButtons::Ok};
inline constexpr MessageStyle kErrorOk{MsgIcon::Error, MsgButtons::Ok};
inline constexpr MessageStyle kQuestionYesNo{MsgIcon::Question, MsgButtons::YesNo};
inline constexpr MessageStyle kQuestionYesNoCancel{MsgIcon::Question, MsgButtons::YesNoCancel};

// Button codes returned by a message box (0: no box was shown).
enum MsgResult : int { kIdNone = 0, kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

// The window a box or dialog belongs to; nullptr for none. Only the prompter looks inside.
using Owner = const void*;

struct MessageRequest {
    Owner owner = nullptr;
    std::string text;
    std::string caption;
    MessageStyle style;
};

struct FileDialogRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Save;
    Owner owner = nullptr;
    std::string title;
    // Filter in the program's own form: "description|patterns|description|patterns||",
    // patterns separated by ";".
    std::string filter;
    std::string defaultExtension; // without the dot; empty for none
    std::string defaultName;      // file name proposed; empty for none
    // The extension added to a name typed without one follows the file type chosen (the first
    // pattern's), rather than staying defaultExtension.
    bool extensionFollowsType = false;
};

// Every message box, file dialog and hand-over to the desktop goes through this interface, so
// that tests can answer them from a script.
class Prompter {
public:
    virtual ~Prompter() = default;
    // Shows a modal box and returns the button pressed (MsgResult).
    virtual int Message(const MessageRequest& request) = 0;
    // A full UTF-8 path, or nullopt when the dialog was cancelled.
    virtual std::optional<std::string> FileName(const FileDialogRequest& request) = 0;
    // Opens the folder in the desktop's file manager; false when that could not be started.
    virtual bool OpenFolder(const std::string& folder) = 0;
};

} // namespace lumina
