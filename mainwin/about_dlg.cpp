#include "mainwin/about_dlg.h"

#include "services/messages.h"
#include "widgets/images.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace lumina {

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
    , m_history(new QPlainTextEdit(this))
    , m_confirm(new QPushButton(QStringLiteral("確認 (&Y)"), this)) {
    setWindowTitle(QStringLiteral("バージョン情報"));
    setWindowIcon(AppIcon());

    auto* icon = new QLabel(this);
    icon->setPixmap(ImagePixmap(QStringLiteral("app_icon"), 48));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    auto* name = new QLabel(QStringLiteral("ルミナ・グラフ\n(文字情報分析ソフト）"), this);
    QFont nameFont = name->font();
    nameFont.setPointSize(nameFont.pointSize() + 2);
    nameFont.setBold(true);
    name->setFont(nameFont);
    auto* caption = new QLabel(QStringLiteral("バージョン情報"), this);

    m_history->setObjectName(QStringLiteral("history"));
    m_history->setReadOnly(true);
    // The field breaks lines at the line feeds; the carriage returns are the text's own.
    m_history->setPlainText(HistoryText().remove(QLatin1Char('\r')));
    m_history->setMinimumSize(300, 88);
    m_confirm->setObjectName(QStringLiteral("confirm"));
    m_confirm->setDefault(true);
    connect(m_confirm, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(14, 14, 14, 12);
    grid->setHorizontalSpacing(12);
    grid->addWidget(icon, 0, 0, 2, 1);
    grid->addWidget(name, 0, 1, 1, 2);
    grid->addWidget(caption, 1, 1, Qt::AlignTop);
    grid->addWidget(m_history, 1, 2);
    grid->addWidget(m_confirm, 2, 2, Qt::AlignRight);
    setSizeGripEnabled(false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QString CAboutDlg::HistoryText() {
    QString text;
    for (int id : {kMsgHistory103, kMsgHistory102, kMsgHistory101, kMsgHistory100}) {
        if (const char* line = MessageText(id))
            text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    }
    return text;
}

} // namespace lumina
