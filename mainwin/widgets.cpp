#include "mainwin/widgets.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMimeData>
#include <QStandardItemModel>
#include <QUrl>

namespace lumina {

SpinField::SpinField(QWidget* parent)
    : QWidget(parent)
    , m_field(new QLineEdit(this))
    , m_up(new QToolButton(this))
    , m_down(new QToolButton(this)) {
    m_field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QToolButton* arrow : {m_up, m_down}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setIconSize(QSize(7, 7));
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    connect(m_up, &QToolButton::clicked, this, [this] {
        if (m_onStep)
            m_onStep(+1);
    });
    connect(m_down, &QToolButton::clicked, this, [this] {
        if (m_onStep)
            m_onStep(-1);
    });
}

void SpinField::SetValue(int value) {
    m_field->setText(QString::number(value));
}

void SpinField::resizeEvent(QResizeEvent*) {
    const int arrowWidth = 16;
    const int w = width() - arrowWidth;
    const int half = height() / 2;
    m_field->setGeometry(0, 0, w, height());
    m_up->setGeometry(w, 0, arrowWidth, half);
    m_down->setGeometry(w, half, arrowWidth, height() - half);
}

DropButton::DropButton(QWidget* parent)
    : QToolButton(parent) {
    setAcceptDrops(true);
}

void DropButton::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void DropButton::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void DropButton::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile())
        return;
    event->acceptProposedAction();
    if (m_onDrop)
        m_onDrop(urls.front().toLocalFile().toStdString());
}

QString WrapTip(const QString& text, const QFontMetrics& metrics, int maxWidth) {
    QString out;
    QString line;
    for (const QChar c : text) {
        if (c == QLatin1Char('\n')) {
            out += line + c;
            line.clear();
            continue;
        }
        if (!line.isEmpty() && metrics.horizontalAdvance(line + c) > maxWidth) {
            out += line + QLatin1Char('\n');
            line.clear();
        }
        line += c;
    }
    return out + line;
}

void FillFontList(QComboBox& list, const std::vector<std::string>& families, int pointSize) {
    auto* model = new QStandardItemModel(&list);
    for (const std::string& family : families) {
        const QString name = QString::fromStdString(family);
        auto* item = new QStandardItem(name);
        QFont face(name);
        face.setPointSize(pointSize);
        item->setData(face, Qt::FontRole);
        model->appendRow(item);
    }
    list.setModel(model);
}

} // namespace lumina
