#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace lumina {

// "バージョン情報": the program's name and icon with its version history.
class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget* parent);

    // The history as the field shows it: the newest version first, each line ending in CR LF.
    static QString HistoryText();
    QPlainTextEdit* HistoryField() const { return m_history; }
    QPushButton* ConfirmButton() const { return m_confirm; }

private:
    QPlainTextEdit* m_history;
    QPushButton* m_confirm;
};

} // namespace lumina
