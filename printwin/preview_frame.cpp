#include "printwin/preview_frame.h"

#include "print/preview.h"

#include <QImage>
#include <QPainter>
#include <QPen>

namespace lumina {

PreviewFrame::PreviewFrame(QWidget* parent)
    : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The dialog follows the pointer over the frame itself: the margin bands cross it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

Surface* PreviewFrame::Canvas(PixelFormat format, int dpiX, int dpiY) {
    if (width() <= 0 || height() <= 0)
        return nullptr;
    if (!m_canvas || m_canvas->Width() != width() || m_canvas->Height() != height() ||
        m_canvas->Format() != format) {
        m_canvas.reset();
        m_canvas = Surface::Create(width(), height(), format, dpiX, dpiY);
    }
    return m_canvas ? &*m_canvas : nullptr;
}

QRect PreviewFrame::StripOf(const DragLine& line) const {
    // The strip 4 pixels wide around the line, across the paper.
    if (line.vertical)
        return QRect(line.position - 2, line.paper.top, 4, line.paper.Height());
    return QRect(line.paper.left, line.position - 2, line.paper.Width(), 4);
}

void PreviewFrame::ShowDragLine(bool vertical, int position, const Rect& paper) {
    if (m_line)
        update(StripOf(*m_line));
    m_line = DragLine{vertical, position, paper};
    update(StripOf(*m_line));
}

void PreviewFrame::HideDragLine() {
    if (!m_line)
        return;
    update(StripOf(*m_line));
    m_line.reset();
}

void PreviewFrame::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        if (m_canvas)
            painter.drawImage(0, 0, m_canvas->Image());
        else
            painter.fillRect(rect(), Qt::white);
        if (m_line) {
            QPen pen(
                QColor(RedOf(kDragLineColour), GreenOf(kDragLineColour), BlueOf(kDragLineColour)));
            pen.setStyle(Qt::DotLine);
            pen.setWidth(1);
            painter.setPen(pen);
            const Rect& p = m_line->paper;
            if (m_line->vertical)
                painter.drawLine(m_line->position, p.top, m_line->position, p.bottom - 1);
            else
                painter.drawLine(p.left, m_line->position, p.right - 1, m_line->position);
        }
    }
    QFrame::paintEvent(event);
}

} // namespace lumina
