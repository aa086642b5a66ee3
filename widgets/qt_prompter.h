#pragma once

#include "services/prompter.h"

namespace lumina {

// Message boxes, file dialogs and the file manager through Qt. An Owner handed to it is the
// QWidget the box belongs to (or nullptr).
class QtPrompter : public Prompter {
public:
    int Message(const MessageRequest& request) override;
    std::optional<std::string> FileName(const FileDialogRequest& request) override;
    bool OpenFolder(const std::string& folder) override;
};

// The program's filter form ("description|*.a;*.b|...||") in Qt's form
// ("description (*.a *.b);;..."); the patterns are always appended, so that a description
// with parentheses of its own keeps them as text.
std::string QtFilterFromProgramFilter(const std::string& filter);

} // namespace lumina
