#pragma once

#include "services/prompter.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace lumina {

// A prompter that answers from a script and records everything it was asked. Used by tests
// and by the screenshot kit (which answers nothing interactively).
class ScriptedPrompter : public Prompter {
public:
    // Answers given to message boxes, in order; when the queue is empty, Message returns
    // defaultAnswer (kIdOk unless changed).
    void QueueAnswer(int answer) { m_answers.push_back(answer); }
    // Paths given to file dialogs, in order; nullopt answers "cancelled". When the queue is
    // empty the dialog is cancelled.
    void QueueFileName(std::optional<std::string> path) { m_files.push_back(std::move(path)); }
    void SetDefaultAnswer(int answer) { m_defaultAnswer = answer; }
    void SetOpenFolderResult(bool result) { m_openFolderResult = result; }

    int Message(const MessageRequest& request) override;
    std::optional<std::string> FileName(const FileDialogRequest& request) override;
    bool OpenFolder(const std::string& folder) override;

    const std::vector<MessageRequest>& Messages() const { return m_messages; }
    const std::vector<FileDialogRequest>& FileDialogs() const { return m_fileDialogs; }
    const std::vector<std::string>& OpenedFolders() const { return m_openedFolders; }
    void Clear();

private:
    std::deque<int> m_answers;
    std::deque<std::optional<std::string>> m_files;
    int m_defaultAnswer = kIdOk;
    bool m_openFolderResult = true;
    std::vector<MessageRequest> m_messages;
    std::vector<FileDialogRequest> m_fileDialogs;
    std::vector<std::string> m_openedFolders;
};

} // namespace lumina
