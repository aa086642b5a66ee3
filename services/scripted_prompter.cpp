#include "services/scripted_prompter.h"

namespace lumina {

int ScriptedPrompter::Message(const MessageRequest& request) {
    m_messages.push_back(request);
    if (m_answers.empty())
        return m_defaultAnswer;
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedPrompter::FileName(const FileDialogRequest& request) {
    m_fileDialogs.push_back(request);
    if (m_files.empty())
        return std::nullopt;
    auto path = m_files.front();
    m_files.pop_front();
    return path;
}

bool ScriptedPrompter::OpenFolder(const std::string& folder) {
    m_openedFolders.push_back(folder);
    return m_openFolderResult;
}

void ScriptedPrompter::Clear() {
    m_answers.clear();
    m_files.clear();
    m_messages.clear();
    m_fileDialogs.clear();
    m_openedFolders.clear();
}

} // namespace lumina
