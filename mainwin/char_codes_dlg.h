#pragma once

#include "platform/char_info.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace lumina {

// One line of the code panel: its caption and what it shows ("なし" where the code has no form
// for the character).
struct CodePanelLine {
    std::string caption;
    std::string value;
};

// The lines of the code panel for a character; for a variation sequence the Japanese codes are
// its base character's. nullopt (a code that is no character) gives "なし" on every line.
std::vector<CodePanelLine> CodePanelLines(const std::optional<Character>& c);

// "文字コード": what the main window's character is in every code, one copyable line each. A
// small window beside the main window that follows its character while it is open.
class CCharCodesDlg : public QDialog {
public:
    explicit CCharCodesDlg(QWidget* parent);

    void ShowCharacter(const std::optional<Character>& c);

    // The lines as shown, for the tests: the value fields, their copy buttons, the note below.
    const std::vector<QLineEdit*>& ValueFields() const { return m_values; }
    const std::vector<QToolButton*>& CopyButtons() const { return m_copyButtons; }
    QPushButton* CopyAllButton() const { return m_copyAll; }
    QLabel* Note() const { return m_note; }

private:
    void CopyAll() const;

    std::vector<QLabel*> m_captions;
    std::vector<QLineEdit*> m_values;
    std::vector<QToolButton*> m_copyButtons;
    QLabel* m_note = nullptr;
    QPushButton* m_copyAll = nullptr;
};

} // namespace lumina
