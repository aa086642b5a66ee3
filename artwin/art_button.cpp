#include "artwin/art_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace lumina {

ArtButton::ArtButton(const QString& text, const QIcon& icon, bool iconRight, QWidget* parent)
    : QPushButton(icon, text, parent)
    , m_iconRight(iconRight) {
    setIconSize(QSize(16, 16));
    setAutoDefault(false);
}

void ArtButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect inner = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const QSize iconSize = this->iconSize();
    const int gap = 3;
    const QString label = text();
    const int textWidth = std::min(fontMetrics().horizontalAdvance(QString(label).remove('&')),
                                   std::max(inner.width() - iconSize.width() - gap, 0));
    const int total = textWidth + gap + iconSize.width();
    int x = inner.left() + std::max((inner.width() - total) / 2, 0);
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QPixmap pixmap = icon().pixmap(iconSize, devicePixelRatio(), mode);
    const int iconY = inner.top() + (inner.height() - iconSize.height()) / 2;
    QRect textRect(x, inner.top(), textWidth, inner.height());
    if (m_iconRight) {
        painter.drawPixmap(x + textWidth + gap, iconY, pixmap);
    } else {
        painter.drawPixmap(x, iconY, pixmap);
        textRect.moveLeft(x + iconSize.width() + gap);
    }
    if (option.state.testFlag(QStyle::State_Sunken))
        textRect.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                           style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.drawItemText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                         label, QPalette::ButtonText);
}

} // namespace lumina
