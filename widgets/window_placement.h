#pragma once

#include "services/placement_settings.h"

#include <QRect>
#include <QSize>

class QWidget;

namespace lumina {

class SettingsStore;

// The outer rectangle a stored placement opens at on a desktop (its available area): no larger
// than the desktop, and moved, when it must be, so that part of its title bar lies on the desktop
// and can be taken with the mouse.
QRect KeepOnDesktop(const QRect& outer, const QRect& desktop);

// A window's placement under the placement keys of its settings section. The stored size is the
// outer (framed) size; Qt sizes a window by its client area and learns the frame only once the
// window is shown, so an outer size restored before that is applied when the frame is known.
class WindowPlacement {
public:
    // Places the window when the stored corner lies within the desktop's width and height, kept
    // on the desktop and never below minimumSize (a client size), and maximises it when Zoomed
    // is 1.
    void Restore(QWidget& window, const SettingsStore& store, const PlacementSettings& rows,
                 QSize minimumSize);

    // Called from the window's showEvent, resizeEvent and moveEvent: gives a pending outer size
    // back once the frame is known, and remembers the normal rectangle while not maximised.
    void Track(QWidget& window);

    // Zoomed, then the normal (restored) outer rectangle, its corner kept at 0 or more.
    void Save(const QWidget& window, SettingsStore& store, const PlacementSettings& rows) const;

private:
    static bool IsNormal(const QWidget& window);

    QSize m_minimumSize;
    QSize m_pendingOuterSize; // a stored outer size waiting for the frame
    QRect m_normalRect;       // the outer rectangle of the last normal placement
};

} // namespace lumina
