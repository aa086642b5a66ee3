#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace lumina {

// The small up/down arrows beside a number field: a range and a position, and each click
// writes the new position into the field, which then handles it as any edit.
class SpinButtons : public QWidget {
public:
    SpinButtons(QLineEdit& buddy, QWidget* parent);

    void SetRange(int minimum, int maximum);
    void SetPosition(int position); // the field follows
    int Position() const;
    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }

    void Step(int delta);

private:
    QLineEdit& m_buddy;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    int m_minimum = 0;
    int m_maximum = 100;
};

} // namespace lumina
