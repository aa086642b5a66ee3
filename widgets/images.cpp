#include "widgets/images.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace lumina {
namespace {

QString ImagePath(const QString& name) {
    return QStringLiteral(":/images/%1.svg").arg(name);
}

} // namespace

QPixmap ImagePixmap(const QString& name, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(ImagePath(name));
    if (renderer.isValid()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    return QPixmap::fromImage(image);
}

QIcon ImageIcon(const QString& name) {
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addPixmap(ImagePixmap(name, size));
    return icon;
}

QIcon LampIcon(bool lit) {
    return QIcon(ImagePixmap(lit ? QStringLiteral("lamp_on") : QStringLiteral("lamp_off"), 16));
}

QIcon AppIcon() {
    return ImageIcon(QStringLiteral("app_icon"));
}

QCursor MakeViewCursor(ViewCursor kind) {
    switch (kind) {
    case ViewCursor::Arrow:
        return QCursor(Qt::ArrowCursor);
    case ViewCursor::NoEntry:
        return QCursor(Qt::ForbiddenCursor);
    case ViewCursor::Move:
        return QCursor(Qt::SizeAllCursor);
    case ViewCursor::WestEast:
        return QCursor(Qt::SizeHorCursor);
    case ViewCursor::Rotate:
        // A circular arrow whose point of action is at (9, 8).
        return QCursor(ImagePixmap(QStringLiteral("cursor_rotate"), 32), 9, 8);
    case ViewCursor::Pointer:
        return QCursor(ImagePixmap(QStringLiteral("cursor_pointer"), 32), 0, 0);
    }
    return QCursor(Qt::ArrowCursor);
}

} // namespace lumina
