// The character-art window's two areas: the picture with its frame, the art fitted or
// magnified, and panning with the mouse.
#include "artwin/zoviv_dlg.h"

#include "artwin/art_images.h"
#include "artwin/art_screen.h"
#include "platform/display.h"
#include "platform/surface.h"
#include "services/services.h"

#include <QMouseEvent>
#include <QPainter>

namespace lumina {
namespace {

constexpr COLORREF kArtFrameColour = Rgb(4, 0, 0);

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

QColor ToQColor(COLORREF c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// A one-pixel frame on the inside of r.
void FrameInside(QPainter& painter, const QRect& r, COLORREF colour) {
    if (r.width() <= 0 || r.height() <= 0)
        return;
    painter.setPen(QPen(ToQColor(colour), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
}

Point PointOf(const QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    return {p.x(), p.y()};
}

} // namespace

void CZovivDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintPicture(painter);
    PaintFrame(painter);
    PaintArt(painter);
}

QRect CZovivDlg::ViewRegion() const {
    return ToQRect(m_sourceRect).united(ToQRect(m_artRect));
}

void CZovivDlg::PaintPicture(QPainter& painter) {
    if (m_sourceRect.IsEmpty())
        return;
    // The source surface is already flattened onto white; it is shown as it is.
    painter.fillRect(ToQRect(m_sourceRect), Qt::white);
    painter.drawImage(QPoint(m_sourceRect.left, m_sourceRect.top), m_pictureShown);
}

void CZovivDlg::PaintFrame(QPainter& painter) {
    if (m_zoom <= 0 || !ShownArt() || m_sourceRect.IsEmpty())
        return;
    const Rect frame =
        PictureFrame(m_sourceRect, m_artRect, m_zoom, m_panX, m_panY, m_scaleX, m_scaleY);
    // The frame takes the inverse of the picture's colour at its corner, so it always shows.
    const QPoint corner = QPoint(frame.left - m_sourceRect.left, frame.top - m_sourceRect.top) *
                          m_pictureShown.devicePixelRatio();
    const QColor under = m_pictureShown.valid(corner) ? m_pictureShown.pixelColor(corner)
                                                      : palette().color(QPalette::Window);
    m_frameColour = InverseColour(Rgb(under.red(), under.green(), under.blue()));
    FrameInside(painter, ToQRect(frame), m_frameColour);
    m_frameRect = frame;
}

const QImage& CZovivDlg::FittedArt(const QImage& art, const QSize& size) {
    // Stretching the whole art is the costly part of a paint; it changes only with a run or
    // with the area's size. Art drawn finer is fitted in device pixels.
    const qreal ratio = art.devicePixelRatio();
    const QSize pixels = size * ratio;
    if (m_fittedSource != &art || m_fittedRun != m_runs || m_fittedArt.size() != pixels) {
        m_fittedArt = art.size() == pixels
                          ? art
                          : art.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_fittedArt.setDevicePixelRatio(ratio);
        m_fittedSource = &art;
        m_fittedRun = m_runs;
    }
    return m_fittedArt;
}

const QImage* CZovivDlg::FineArt(const Surface& art) {
    const int ratio = SurfaceRatioFor(devicePixelRatioF());
    const CompletedArt* completed = m_engine->LastCompleted();
    if (ratio <= 1 || !completed || completed->art.get() != &art)
        return nullptr;
    // Made once per art and ratio, even when it cannot be had.
    if (m_fineArtOf.lock() != completed->art || m_fineArtRatio != ratio) {
        m_fineArt = ScreenArt(m_services, *completed, ratio);
        m_fineArtOf = completed->art;
        m_fineArtRatio = ratio;
    }
    return m_fineArt.isNull() ? nullptr : &m_fineArt;
}

void CZovivDlg::PaintArt(QPainter& painter) {
    const Surface* art = ShownArt();
    if (!art || m_artRect.IsEmpty())
        return;
    const int drawW = art->Width();
    const int drawH = art->Height();
    const QImage* fine = FineArt(*art);
    if (m_zoom <= 0) {
        const QRect fitted = ToQRect(FitArtRect(m_artRect, drawW, drawH));
        if (fitted.isEmpty())
            return;
        painter.drawImage(fitted.topLeft(), FittedArt(fine ? *fine : art->Image(), fitted.size()));
        FrameInside(painter, fitted.adjusted(-1, -1, 1, 1), kArtFrameColour);
        return;
    }
    const ArtView view = MagnifiedView(m_artRect, drawW, drawH, m_zoom, m_panX, m_panY);
    const QRect source = ToQRect(view.source).intersected(QRect(0, 0, drawW, drawH));
    if (!source.isEmpty()) {
        // Magnified pixels stay sharp: each art pixel becomes a zoom x zoom block.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        if (fine) {
            // The finer art's own device pixels: at x1 one to one on the screen.
            const qreal r = fine->devicePixelRatio();
            painter.drawImage(
                QRectF(ToQRect(view.destination)), *fine,
                QRectF(source.x() * r, source.y() * r, source.width() * r, source.height() * r));
        } else {
            painter.drawImage(ToQRect(view.destination), art->Image(), source);
        }
    }
    FrameInside(painter, ToQRect(m_artRect), kArtFrameColour);
}

void CZovivDlg::Pan(Point pan) {
    m_panX = pan.x;
    m_panY = pan.y;
    repaint(ToQRect(m_sourceRect));
    repaint(ToQRect(m_artRect));
}

// A stored mode below zero paints like Fit, and the mouse treats it the same way.
void CZovivDlg::mousePressEvent(QMouseEvent* event) {
    if (m_zoom > 0 && event->button() == Qt::LeftButton) {
        const Point p = PointOf(event);
        if (m_frameRect.Contains(p)) {
            m_frameDrag = true;
            m_grab = {p.x - m_frameRect.left, p.y - m_frameRect.top};
        } else if (m_artRect.Contains(p)) {
            m_artDrag = true;
            m_dragAnchor = p;
        }
    }
    QDialog::mousePressEvent(event);
}

void CZovivDlg::mouseMoveEvent(QMouseEvent* event) {
    const Surface* art = ShownArt();
    if (m_zoom > 0 && art) {
        const Point p = PointOf(event);
        if (m_frameDrag) {
            const PanLimits limits = PanLimitsOf(m_artRect, art->Width(), art->Height(), m_zoom);
            Pan(PanFromFrameDrag(p, m_sourceRect, m_grab, m_scaleX, m_scaleY, m_zoom, limits));
        } else if (m_frameRect.Contains(p)) {
            setCursor(HandCursor());
        } else if (m_artRect.Contains(p)) {
            setCursor(Qt::SizeAllCursor);
        } else {
            unsetCursor();
        }
    }
    QDialog::mouseMoveEvent(event);
}

void CZovivDlg::mouseReleaseEvent(QMouseEvent* event) {
    const Surface* art = ShownArt();
    if (m_zoom > 0 && event->button() == Qt::LeftButton) {
        if (m_frameDrag) {
            m_frameDrag = false;
        } else if (m_artDrag) {
            m_artDrag = false;
            if (art) {
                const PanLimits limits =
                    PanLimitsOf(m_artRect, art->Width(), art->Height(), m_zoom);
                Pan(PanFromArtDrag(m_dragAnchor, PointOf(event), {m_panX, m_panY}, m_zoom, limits));
            }
        }
    }
    QDialog::mouseReleaseEvent(event);
}

} // namespace lumina
