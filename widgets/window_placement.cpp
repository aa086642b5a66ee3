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

// The area of all screens that windows may take (without panels and docks).
QRect AvailableDesktop() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableVirtualGeometry() : QRect();
}

// A title bar is taken to be at least this high; this much of it, and this much of the window's
// width, stays on the desktop.
constexpr int kTitleBarHeight = 24;
constexpr int kTitleBarReach = 8;
constexpr int kWidthReach = 64;

} // namespace

QRect KeepOnDesktop(const QRect& outer, const QRect& desktop) {
    if (desktop.isEmpty())
        return outer;
    const int width = std::min(outer.width(), desktop.width());
    const int height = std::min(outer.height(), desktop.height());
    const int reach = std::min(kWidthReach, width);
    const int desktopRight = desktop.left() + desktop.width();
    const int desktopBottom = desktop.top() + desktop.height();
    const int left = std::clamp(outer.left(), desktop.left() + reach - width, desktopRight - reach);
    const int top = std::clamp(outer.top(), desktop.top() - (kTitleBarHeight - kTitleBarReach),
                               desktopBottom - kTitleBarReach);
    return QRect(left, top, width, height);
}

void WindowPlacement::Restore(QWidget& window, const SettingsStore& store,
                              const PlacementSettings& rows, QSize minimumSize) {
    m_minimumSize = minimumSize;
    const QRect stored(rows.PX.Read(store), rows.PY.Read(store), rows.SX.Read(store),
                       rows.SY.Read(store));
    const QSize desktop = DesktopSize();
    if (stored.left() < desktop.width() && stored.top() < desktop.height()) {
        const QRect outer = KeepOnDesktop(stored, AvailableDesktop());
        const int sx = outer.width();
        const int sy = outer.height();
        const QSize frame = FrameOf(window);
        window.move(outer.topLeft());
        window.raise();
        window.resize(std::max(sx - frame.width(), m_minimumSize.width()),
                      std::max(sy - frame.height(), m_minimumSize.height()));
        // Before the window is shown its frame is unknown: the size is given back again then.
        m_pendingOuterSize = frame.isEmpty() ? QSize(sx, sy) : QSize();
    }
    m_normalRect = window.frameGeometry();
    if (rows.Zoomed.Read(store) == 1)
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
                           const PlacementSettings& rows) const {
    const bool zoomed = window.isMaximized();
    rows.Zoomed.Write(store, zoomed ? 1 : 0);
    // A maximised (or minimised) window stores where it is restored to.
    const QRect rect =
        IsNormal(window) || !m_normalRect.isValid() ? window.frameGeometry() : m_normalRect;
    rows.PX.Write(store, std::max(rect.left(), 0));
    rows.PY.Write(store, std::max(rect.top(), 0));
    rows.SX.Write(store, rect.width());
    rows.SY.Write(store, rect.height());
}

bool WindowPlacement::IsNormal(const QWidget& window) {
    return !(window.windowState() &
             (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
}

} // namespace lumina
