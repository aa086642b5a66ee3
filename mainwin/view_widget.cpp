#include "mainwin/view_widget.h"

#include "mainwin/view_navigator.h"

#include <QMouseEvent>
#include <QPainter>

namespace lumina {
namespace {

Point ClientPoint(const QWidget& view, const QMouseEvent& event) {
    const QPoint p = view.mapToParent(event.position().toPoint());
    return {p.x(), p.y()};
}

} // namespace

GlyphViewWidget::GlyphViewWidget(QWidget* window, ViewNavigator& navigator,
                                 std::function<void(QPainter&)> paint)
    : QWidget(window)
    , m_navigator(navigator)
    , m_paint(std::move(paint)) {
    // The paint covers every pixel: no erase, so refreshes and drags do not flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void GlyphViewWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_paint(painter);
}

void GlyphViewWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_navigator.LeftDown(ClientPoint(*this, *event));
}

void GlyphViewWidget::mouseMoveEvent(QMouseEvent* event) {
    m_navigator.MouseMove(ClientPoint(*this, *event));
}

void GlyphViewWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_navigator.LeftUp(ClientPoint(*this, *event));
}

} // namespace lumina
