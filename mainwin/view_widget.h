#pragma once

#include <QWidget>

#include <functional>

namespace lumina {

class ViewNavigator;

// The glyph view: the window paints it (the rendered surface, the dial, the measuring line and
// any drag feedback, all in one opaque paint) and its mouse work goes to the navigator in
// window client coordinates. The wheel is left to the window. A click gives it the keyboard,
// for the zoom keys and Space.
class GlyphViewWidget : public QWidget {
public:
    GlyphViewWidget(QWidget* window, ViewNavigator& navigator,
                    std::function<void(QPainter&)> paint);

    // A widget kept in the view's top-right corner (the view's menu button).
    void SetCornerWidget(QWidget* widget);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void PlaceCornerWidget();

    ViewNavigator& m_navigator;
    std::function<void(QPainter&)> m_paint;
    QWidget* m_corner = nullptr;
};

} // namespace lumina
