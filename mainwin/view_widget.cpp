#include "mainwin/view_widget.h"

#include "mainwin/view_navigator.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <optional>

namespace lumina {
namespace {

// The corner widget's distance from the view's edges.
constexpr int kCornerMargin = 4;

Point ClientPoint(const QWidget& view, const QMouseEvent& event) {
    const QPoint p = view.mapToParent(event.position().toPoint());
    return {p.x(), p.y()};
}

// The zoom command of a key typed without Ctrl or Alt: + (or the = it shares a key with on
// some layouts), -, 1, 0.
std::optional<ZoomCommand> ZoomCommandOf(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return ZoomCommand::In;
    case Qt::Key_Minus:
        return ZoomCommand::Out;
    case Qt::Key_1:
        return ZoomCommand::Actual;
    case Qt::Key_0:
        return ZoomCommand::Fit;
    default:
        return std::nullopt;
    }
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
    setFocusPolicy(Qt::ClickFocus);
}

void GlyphViewWidget::SetCornerWidget(QWidget* widget) {
    m_corner = widget;
    PlaceCornerWidget();
}

void GlyphViewWidget::PlaceCornerWidget() {
    if (m_corner)
        m_corner->move(width() - m_corner->width() - kCornerMargin, kCornerMargin);
}

void GlyphViewWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_paint(painter);
}

void GlyphViewWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceCornerWidget();
}

void GlyphViewWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_navigator.LeftDown(ClientPoint(*this, *event));
    else if (event->button() == Qt::MiddleButton)
        m_navigator.MiddleDown(ClientPoint(*this, *event));
}

void GlyphViewWidget::mouseMoveEvent(QMouseEvent* event) {
    m_navigator.MouseMove(ClientPoint(*this, *event));
}

void GlyphViewWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_navigator.LeftUp(ClientPoint(*this, *event));
    else if (event->button() == Qt::MiddleButton)
        m_navigator.MiddleUp(ClientPoint(*this, *event));
}

void GlyphViewWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        m_navigator.SetSpaceHeld(true);
        event->accept();
        return;
    }
    const std::optional<ZoomCommand> command = ZoomCommandOf(*event);
    if (command && m_navigator.ZoomKey(*command)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void GlyphViewWidget::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        m_navigator.SetSpaceHeld(false);
        event->accept();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void GlyphViewWidget::focusOutEvent(QFocusEvent* event) {
    // A Space released elsewhere never reaches the view.
    m_navigator.SetSpaceHeld(false);
    QWidget::focusOutEvent(event);
}

} // namespace lumina
