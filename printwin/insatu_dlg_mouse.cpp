// Dragging the margin lines of the print preview.
#include "printwin/insatu_dlg.h"

#include "printwin/preview_frame.h"
#include "printwin/spin_buttons.h"

#include <QMouseEvent>

namespace lumina {
namespace {

Rect Moved(const Rect& r, QPoint by) {
    return {r.left - by.x(), r.top - by.y(), r.right - by.x(), r.bottom - by.y()};
}

} // namespace

Point CInsatuDlg::ClientPoint(const QMouseEvent* event) const {
    const QPoint p = event->position().toPoint();
    return {p.x(), p.y()};
}

DragLimits CInsatuDlg::LimitsOf(MarginSide side) const {
    return IsVertical(side) ? MarginDragLimits(m_offsetMm.x, m_previewDpiX, m_layout.previewScale)
                            : MarginDragLimits(m_offsetMm.y, m_previewDpiY, m_layout.previewScale);
}

void CInsatuDlg::SetDragging(MarginSide side, Point pointer) {
    const int position = DragLinePosition(side, pointer, m_layout.paperRect, LimitsOf(side));
    const QPoint origin = m_preview->pos();
    const int local = position - (IsVertical(side) ? origin.x() : origin.y());
    m_preview->ShowDragLine(IsVertical(side), local, Moved(m_layout.paperRect, origin));
}

void CInsatuDlg::mouseMoveEvent(QMouseEvent* event) {
    QDialog::mouseMoveEvent(event);
    const Point pointer = ClientPoint(event);
    if (m_drag != MarginSide::None) {
        SetDragging(m_drag, pointer);
        return;
    }
    const MarginSide side = m_showMargins && m_hasLayout
                                ? HitMarginLine(pointer, m_layout.printable)
                                : MarginSide::None;
    if (side == MarginSide::None) {
        setCursor(Qt::ArrowCursor);
        if (m_captured) {
            releaseMouse();
            m_captured = false;
        }
        return;
    }
    setCursor(IsVertical(side) ? Qt::SizeHorCursor : Qt::SizeVerCursor);
    if (!m_captured) {
        // Held so that the pointer leaving a band is seen wherever it goes.
        grabMouse();
        m_captured = true;
    }
}

void CInsatuDlg::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !m_showMargins || !m_hasLayout)
        return;
    const Point pointer = ClientPoint(event);
    const MarginSide side = HitMarginLine(pointer, m_layout.printable);
    if (side == MarginSide::None)
        return;
    m_drag = side;
    SetDragging(side, pointer);
}

void CInsatuDlg::mouseReleaseEvent(QMouseEvent* event) {
    QDialog::mouseReleaseEvent(event);
    if (m_drag == MarginSide::None)
        return;
    const MarginSide side = m_drag;
    m_drag = MarginSide::None;
    m_preview->HideDragLine();
    const Point pointer = ClientPoint(event);
    const int position = DragLinePosition(side, pointer, m_layout.paperRect, LimitsOf(side));
    const int distance = DistanceFromPaperEdge(side, position, m_layout.paperRect);
    const bool vertical = IsVertical(side);
    const int mm = MarginFromDistance(distance, m_layout.previewScale,
                                      vertical ? m_previewDpiX : m_previewDpiY,
                                      vertical ? m_offsetMm.x : m_offsetMm.y);
    const int index = side == MarginSide::Top      ? 0
                      : side == MarginSide::Bottom ? 1
                      : side == MarginSide::Left   ? 2
                                                   : 3;
    MarginAt(index) = mm;
    m_marginSpins[static_cast<std::size_t>(index)]->SetPosition(mm);
    RunLayout(LayoutKind::Full);
}

} // namespace lumina
