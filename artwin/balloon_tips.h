#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace lumina {

// One balloon: a rounded box with a tail pointing at the control, text broken at its own line
// breaks and at the maximum width.
class BalloonTip : public QWidget {
public:
    explicit BalloonTip(QWidget* parent);
    void ShowAt(const QString& text, QWidget* control, int maxWidth);
    const QString& Text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QRect m_textRect;
    bool m_tailUp = true;
    int m_tailX = 16;
};

// Balloon tooltips for a window's controls: every registered control shows its toolTip() text
// in a balloon instead of the plain tip.
class BalloonTips : public QObject {
public:
    explicit BalloonTips(QWidget* window);
    void Add(QWidget* control, const QString& text);
    void SetMaxWidth(int width) { m_maxWidth = width; }
    int MaxWidth() const { return m_maxWidth; }
    // The balloon while it shows, else nullptr.
    const BalloonTip* Shown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QPointer<BalloonTip> m_tip;
    int m_maxWidth = 512;
};

} // namespace lumina
