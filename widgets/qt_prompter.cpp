#include "widgets/qt_prompter.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <vector>

namespace lumina {
namespace {

QWidget* OwnerWidget(Owner owner) {
    return static_cast<QWidget*>(const_cast<void*>(owner));
}

QMessageBox::Icon IconOf(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::Error:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : text) {
        if (c == separator) {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

// The extension of a Qt filter's first pattern: "txt" of "テキストファイル(*.txt) (*.txt)".
QString FirstPatternExtension(const QString& qtFilter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    const QRegularExpressionMatch match = pattern.match(qtFilter);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

std::string QtFilterFromProgramFilter(const std::string& filter) {
    const auto parts = Split(filter, '|');
    std::string result;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty())
            break;
        std::string patterns;
        for (const auto& pattern : Split(parts[i + 1], ';')) {
            if (pattern.empty())
                continue;
            if (!patterns.empty())
                patterns += ' ';
            patterns += pattern;
        }
        if (!result.empty())
            result += ";;";
        result += parts[i] + " (" + patterns + ")";
    }
    return result;
}

int QtPrompter::Message(const MessageRequest& request) {
    QMessageBox box(IconOf(request.style.icon), QString::fromStdString(request.caption),
                    QString::fromStdString(request.text), QMessageBox::NoButton,
                    OwnerWidget(request.owner));
    box.setWindowModality(Qt::ApplicationModal);
    struct Choice {
        QMessageBox::ButtonRole role;
        const char* caption;
        int result;
    };
    std::vector<Choice> choices;
    switch (request.style.buttons) {
    case MsgButtons::Ok:
        choices = {{QMessageBox::AcceptRole, "OK", kIdOk}};
        break;
    case MsgButtons::YesNo:
        choices = {{QMessageBox::YesRole, "はい", kIdYes}, {QMessageBox::NoRole, "いいえ", kIdNo}};
        break;
    case MsgButtons::YesNoCancel:
        choices = {{QMessageBox::YesRole, "はい", kIdYes},
                   {QMessageBox::NoRole, "いいえ", kIdNo},
                   {QMessageBox::RejectRole, "キャンセル", kIdCancel}};
        break;
    }
    std::vector<QPushButton*> buttons;
    for (const auto& choice : choices)
        buttons.push_back(box.addButton(QString::fromUtf8(choice.caption), choice.role));
    box.setDefaultButton(buttons.front());
    // Esc answers like the platform's box: Cancel when there is one, otherwise No or OK.
    box.setEscapeButton(buttons.back());
    box.exec();
    for (size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return choices[i].result;
    return request.style.buttons == MsgButtons::YesNoCancel ? kIdCancel : choices.back().result;
}

std::optional<std::string> QtPrompter::FileName(const FileDialogRequest& request) {
    const bool save = request.mode == FileDialogRequest::Mode::Save;
    QFileDialog dialog(OwnerWidget(request.owner), QString::fromStdString(request.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The program asks about overwriting itself, and shows no read-only box.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(QString::fromStdString(QtFilterFromProgramFilter(request.filter))
                              .split(QStringLiteral(";;"), Qt::SkipEmptyParts));
    if (!request.defaultExtension.empty())
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (request.extensionFollowsType) {
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) {
                             const QString suffix = FirstPatternExtension(filter);
                             if (!suffix.isEmpty())
                                 dialog.setDefaultSuffix(suffix);
                         });
    }
    if (!request.defaultName.empty())
        dialog.selectFile(QString::fromStdString(request.defaultName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

bool QtPrompter::OpenFolder(const std::string& folder) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder)));
}

} // namespace lumina
