#pragma once

#include "platform/geometry.h"
#include "platform/surface.h"

#include <QFrame>

#include <optional>

namespace lumina {

// The preview frame: shows the picture the dialog paints into its canvas, and the dragged
// margin line as an overlay that leaves nothing behind when it moves or goes.
class PreviewFrame : public QFrame {
public:
    explicit PreviewFrame(QWidget* parent);

    // The canvas at the frame's current size, made again when the size changed; nullptr when
    // no pixels can be had.
    Surface* Canvas(PixelFormat format, int dpiX, int dpiY);
    const Surface* CurrentCanvas() const { return m_canvas ? &*m_canvas : nullptr; }

    // A dotted line across the paper (frame coordinates): x of a vertical line, y of a
    // horizontal one.
    void ShowDragLine(bool vertical, int position, const Rect& paper);
    void HideDragLine();
    bool DragLineShown() const { return m_line.has_value(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct DragLine {
        bool vertical = true;
        int position = 0;
        Rect paper;
    };
    QRect StripOf(const DragLine& line) const;

    std::optional<Surface> m_canvas;
    std::optional<DragLine> m_line;
};

} // namespace lumina
