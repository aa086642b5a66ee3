#pragma once

#include <QPushButton>

namespace lumina {

// A push button with a picture beside its text; the picture may stand right of the text.
class ArtButton : public QPushButton {
public:
    ArtButton(const QString& text, const QIcon& icon, bool iconRight, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_iconRight;
};

} // namespace lumina
