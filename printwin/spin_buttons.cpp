#include "printwin/spin_buttons.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace lumina {

SpinButtons::SpinButtons(QLineEdit& buddy, QWidget* parent)
    : QWidget(parent)
    , m_buddy(buddy) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_up = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {m_up, m_down}) {
        button->setFixedSize(16, 11);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        column->addWidget(button);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
}

void SpinButtons::SetRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
}

int SpinButtons::Position() const {
    bool ok = false;
    const int value = m_buddy.text().toInt(&ok);
    return std::clamp(ok ? value : m_minimum, m_minimum, m_maximum);
}

void SpinButtons::SetPosition(int position) {
    const QString text = QString::number(std::clamp(position, m_minimum, m_maximum));
    if (m_buddy.text() != text)
        m_buddy.setText(text);
}

void SpinButtons::Step(int delta) {
    SetPosition(Position() + delta);
}

} // namespace lumina
