#include "artwin/art_images.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace lumina {
namespace {

// Every picture is designed on a 32 x 32 grid and scaled to the size asked for.
void DrawRefresh(QPainter& p) {
    QPen pen(QColor(20, 110, 40), 4.0, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.drawArc(QRectF(6, 6, 20, 20), 60 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 110, 40));
    QPolygonF head;
    head << QPointF(18, 1) << QPointF(27, 7) << QPointF(17, 12);
    p.drawPolygon(head);
}

void DrawFit(QPainter& p) {
    p.setPen(QPen(QColor(40, 60, 140), 2.0));
    p.setBrush(QColor(220, 230, 250));
    p.drawRect(QRectF(9, 9, 14, 14));
    p.setPen(QPen(QColor(40, 60, 140), 2.5, Qt::SolidLine, Qt::RoundCap));
    const QPointF corners[4] = {{3, 3}, {29, 3}, {3, 29}, {29, 29}};
    const QPointF inner[4] = {{8, 8}, {24, 8}, {8, 24}, {24, 24}};
    for (int i = 0; i < 4; ++i) {
        p.drawLine(corners[i], inner[i]);
        const QPointF dx(corners[i].x() < 16 ? 5 : -5, 0);
        const QPointF dy(0, corners[i].y() < 16 ? 5 : -5);
        p.drawLine(corners[i], corners[i] + dx);
        p.drawLine(corners[i], corners[i] + dy);
    }
}

void DrawZoom(QPainter& p, int factor) {
    p.setPen(QPen(QColor(90, 60, 20), 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21, 21), QPointF(29, 29));
    p.setPen(QPen(QColor(40, 60, 140), 2.5));
    p.setBrush(QColor(235, 245, 255));
    p.drawEllipse(QRectF(2, 2, 22, 22));
    QFont font;
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(190, 20, 20));
    p.drawText(QRectF(2, 2, 22, 22), Qt::AlignCenter, QString::number(factor));
}

void DrawFileOut(QPainter& p) {
    p.setPen(QPen(QColor(80, 80, 80), 1.5));
    p.setBrush(QColor(255, 255, 255));
    QPolygonF sheet;
    sheet << QPointF(5, 2) << QPointF(19, 2) << QPointF(25, 8) << QPointF(25, 30) << QPointF(5, 30);
    p.drawPolygon(sheet);
    p.setPen(QPen(QColor(150, 150, 150), 1.5));
    for (int y = 12; y <= 24; y += 4)
        p.drawLine(QPointF(9, y), QPointF(20, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 120, 20));
    QPolygonF arrow;
    arrow << QPointF(16, 16) << QPointF(24, 16) << QPointF(24, 11) << QPointF(31, 19)
          << QPointF(24, 27) << QPointF(24, 22) << QPointF(16, 22);
    p.drawPolygon(arrow);
}

void DrawEnd(QPainter& p) {
    p.setPen(QPen(QColor(90, 60, 30), 1.5));
    p.setBrush(QColor(170, 110, 60));
    p.drawRect(QRectF(6, 3, 14, 26));
    p.setBrush(QColor(240, 200, 60));
    p.drawEllipse(QRectF(15, 15, 3, 3));
    p.setPen(QPen(QColor(190, 20, 20), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21, 16), QPointF(30, 16));
    p.drawLine(QPointF(26, 11), QPointF(30, 16));
    p.drawLine(QPointF(26, 21), QPointF(30, 16));
}

void Draw(QPainter& p, ArtImage image) {
    switch (image) {
    case ArtImage::Refresh:
        return DrawRefresh(p);
    case ArtImage::Fit:
        return DrawFit(p);
    case ArtImage::Zoom1:
        return DrawZoom(p, 1);
    case ArtImage::Zoom2:
        return DrawZoom(p, 2);
    case ArtImage::Zoom4:
        return DrawZoom(p, 4);
    case ArtImage::Zoom8:
        return DrawZoom(p, 8);
    case ArtImage::FileOut:
        return DrawFileOut(p);
    case ArtImage::End:
        return DrawEnd(p);
    }
}

} // namespace

QPixmap ArtImagePixmap(ArtImage image, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    Draw(painter, image);
    return pixmap;
}

QIcon ArtImageIcon(ArtImage image) {
    QIcon icon;
    for (int size : {16, 20, 24, 32})
        icon.addPixmap(ArtImagePixmap(image, size));
    return icon;
}

QCursor HandCursor() {
    return QCursor(Qt::OpenHandCursor);
}

} // namespace lumina
