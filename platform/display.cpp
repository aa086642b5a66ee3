#include "platform/display.h"

#include <QGuiApplication>
#include <QScreen>

namespace lumina {

DisplayInfo QueryDisplay() {
    DisplayInfo info;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return info;
    info.depth = screen->depth();
    info.format = SurfaceFormatForDepth(info.depth);
    // Surfaces are in device pixels; a fractional logical resolution is rounded.
    info.dpiX = static_cast<int>(screen->logicalDotsPerInchX() + 0.5);
    info.dpiY = static_cast<int>(screen->logicalDotsPerInchY() + 0.5);
    const QRect desktop = screen->virtualGeometry();
    info.desktopWidth = desktop.width();
    info.desktopHeight = desktop.height();
    return info;
}

} // namespace lumina
