#include "widgets/window_placement.h"

#include "services/settings_store.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace lumina {
namespace {

QSize FrameOf(const QWidget& window) {
    return window.frameGeometry().size() - window.size();
}

QSize DesktopSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualSize() : QSize(0, 0);
}

} // namespace

void WindowPlacement::Restore(QWidget& window, const SettingsStore& store, std::string_view section,
                              QSize minimumSize) {
    m_minimumSize = minimumSize;
    const int px = store.ReadInt(section, "PX", 0);
    const int py = store.ReadInt(section, "PY", 0);
    const int sx = store.ReadInt(section, "SX", 640);
    const int sy = store.ReadInt(section, "SY", 480);
    const QSize desktop = DesktopSize();
    if (px < desktop.width() && py < desktop.height()) {
        const QSize frame = FrameOf(window);
        window.move(px, py);
        window.raise();
        window.resize(std::max(sx - frame.width(), m_minimumSize.width()),
                      std::max(sy - frame.height(), m_minimumSize.height()));
        // Before the window is shown its frame is unknown: the size is given back again then.
        m_pendingOuterSize = frame.isEmpty() ? QSize(sx, sy) : QSize();
    }
    m_normalRect = window.frameGeometry();
    if (store.ReadInt(section, "Zoomed", 0) == 1)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

void WindowPlacement::Track(QWidget& window) {
    if (!IsNormal(window))
        return;
    const QSize frame = FrameOf(window);
    if (m_pendingOuterSize.isValid() && window.isVisible() && !frame.isEmpty()) {
        const QSize pending = m_pendingOuterSize;
        m_pendingOuterSize = QSize();
        window.resize(std::max(pending.width() - frame.width(), m_minimumSize.width()),
                      std::max(pending.height() - frame.height(), m_minimumSize.height()));
    }
    m_normalRect = window.frameGeometry();
}

void WindowPlacement::Save(const QWidget& window, SettingsStore& store,
                           std::string_view section) const {
    const bool zoomed = window.isMaximized();
    store.WriteInt(section, "Zoomed", zoomed ? 1 : 0);
    // A maximised (or minimised) window stores where it is restored to.
    const QRect rect =
        IsNormal(window) || !m_normalRect.isValid() ? window.frameGeometry() : m_normalRect;
    store.WriteInt(section, "PX", std::max(rect.left(), 0));
    store.WriteInt(section, "PY", std::max(rect.top(), 0));
    store.WriteInt(section, "SX", rect.width());
    store.WriteInt(section, "SY", rect.height());
}

bool WindowPlacement::IsNormal(const QWidget& window) {
    return !(window.windowState() &
             (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
}

} // namespace lumina
