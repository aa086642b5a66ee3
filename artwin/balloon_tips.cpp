#include "artwin/balloon_tips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QToolTip>

namespace lumina {
namespace {

constexpr int kTail = 10;  // height of the tail
constexpr int kMargin = 8; // between the box and its text
constexpr int kRadius = 7; // of the box's corners

} // namespace

BalloonTip::BalloonTip(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint) {
    setObjectName("balloonTip");
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(QToolTip::font());
}

void BalloonTip::ShowAt(const QString& text, QWidget* control, int maxWidth) {
    m_text = text;
    const QFontMetrics metrics(font());
    const int textWidth = maxWidth - 2 * kMargin;
    const QRect bounds =
        metrics.boundingRect(QRect(0, 0, textWidth, 10000), Qt::TextWordWrap, m_text);
    const QSize box(bounds.width() + 2 * kMargin + 2, bounds.height() + 2 * kMargin + 2);
    const QRect controlRect(control->mapToGlobal(QPoint(0, 0)), control->size());
    const QScreen* screen =
        control->screen() ? control->screen() : QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->availableGeometry() : QRect(0, 0, 4096, 4096);

    // Below the control, its tail at the control's middle; above when there is no room below.
    QPoint anchor(controlRect.center().x(), controlRect.bottom() - 2);
    m_tailUp = anchor.y() + kTail + box.height() <= desktop.bottom();
    if (!m_tailUp)
        anchor.setY(controlRect.top() + 2);
    int left = anchor.x() - 20;
    left = std::max(desktop.left(), std::min(left, desktop.right() - box.width()));
    m_tailX = std::clamp(anchor.x() - left, kRadius + 6, box.width() - kRadius - 6);
    const int top = m_tailUp ? anchor.y() : anchor.y() - kTail - box.height();
    const int boxTop = m_tailUp ? kTail : 0;
    m_textRect = QRect(kMargin + 1, boxTop + kMargin + 1, bounds.width(), bounds.height());
    setGeometry(left, top, box.width(), box.height() + kTail);
    show();
    raise();
    update();
}

void BalloonTip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal boxTop = m_tailUp ? kTail : 0;
    const QRectF box(0.5, boxTop + 0.5, width() - 1.0, height() - kTail - 1.0);
    QPainterPath path;
    path.addRoundedRect(box, kRadius, kRadius);
    QPainterPath tail;
    if (m_tailUp) {
        tail.moveTo(m_tailX - 6, boxTop + 1);
        tail.lineTo(m_tailX - 2, 0.5);
        tail.lineTo(m_tailX + 8, boxTop + 1);
    } else {
        const qreal bottom = box.bottom();
        tail.moveTo(m_tailX - 6, bottom - 1);
        tail.lineTo(m_tailX - 2, height() - 0.5);
        tail.lineTo(m_tailX + 8, bottom - 1);
    }
    tail.closeSubpath();
    path = path.united(tail);
    painter.setPen(QPen(QColor(118, 118, 118), 1.0));
    painter.setBrush(palette().color(QPalette::ToolTipBase));
    painter.drawPath(path);
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawText(m_textRect, Qt::TextWordWrap, m_text);
}

BalloonTips::BalloonTips(QWidget* window)
    : QObject(window)
    , m_window(window) {}

void BalloonTips::Add(QWidget* control, const QString& text) {
    control->setToolTip(text);
    control->installEventFilter(this);
}

const BalloonTip* BalloonTips::Shown() const {
    return m_tip && m_tip->isVisible() ? m_tip.data() : nullptr;
}

bool BalloonTips::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (!control)
        return false;
    switch (event->type()) {
    case QEvent::ToolTip:
        if (!m_tip)
            m_tip = new BalloonTip(m_window);
        m_tip->ShowAt(control->toolTip(), control, m_maxWidth);
        return true;
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::Hide:
    case QEvent::EnabledChange:
        if (m_tip)
            m_tip->hide();
        return false;
    default:
        return false;
    }
}

} // namespace lumina
