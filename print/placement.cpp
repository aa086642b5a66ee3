#include "print/placement.h"

#include "app/settings_store.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace lumina {

void RestorePlacement(QWidget& window, const SettingsStore& settings, std::string_view section) {
    const int px = settings.ReadInt(section, "PX", 0);
    const int py = settings.ReadInt(section, "PY", 0);
    const int sx = settings.ReadInt(section, "SX", 640);
    const int sy = settings.ReadInt(section, "SY", 480);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize desktop = screen ? screen->size() : QSize(0, 0);
    if (px < desktop.width() && py < desktop.height()) {
        // The stored size is the outer size; the frame is what the window adds to its client.
        const QSize frame = window.frameGeometry().size() - window.size();
        window.move(px, py);
        window.resize(std::max(sx - frame.width(), 0), std::max(sy - frame.height(), 0));
    }
    if (settings.ReadInt(section, "Zoomed", 0) == 1)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

void SavePlacement(const QWidget& window, SettingsStore& settings, std::string_view section) {
    const bool zoomed = window.isMaximized();
    settings.WriteInt(section, "Zoomed", zoomed ? 1 : 0);
    QRect rect = window.frameGeometry();
    if (zoomed && window.normalGeometry().isValid()) {
        const QSize frame = window.frameGeometry().size() - window.size();
        rect = window.normalGeometry();
        rect.setSize(rect.size() + frame);
    }
    settings.WriteInt(section, "PX", std::max(rect.left(), 0));
    settings.WriteInt(section, "PY", std::max(rect.top(), 0));
    settings.WriteInt(section, "SX", rect.width());
    settings.WriteInt(section, "SY", rect.height());
}

} // namespace lumina
