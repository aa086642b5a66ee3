#pragma once

#include <QWidget>

#include <functional>

namespace lumina {

class ViewNavigator;

// The glyph view: the window paints it (the rendered surface, the dial, the measuring line and
// any drag feedback, all in one opaque paint) and its mouse work goes to the navigator in
// window client coordinates. The wheel is left to the window.
class GlyphViewWidget : public QWidget {
public:
    GlyphViewWidget(QWidget* window, ViewNavigator& navigator,
                    std::function<void(QPainter&)> paint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ViewNavigator& m_navigator;
    std::function<void(QPainter&)> m_paint;
};

} // namespace lumina
