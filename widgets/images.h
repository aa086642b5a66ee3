#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace lumina {

// The program's own pictures (SVG in the resources), drawn at the size they are shown.

// A picture of resources/images/<name>.svg at size x size pixels.
QPixmap ImagePixmap(const QString& name, int size);
// An icon of the picture at the usual button sizes.
QIcon ImageIcon(const QString& name);
// The 16 x 16 lamp of the mode buttons: grey when unlit, red when lit.
QIcon LampIcon(bool lit);
QIcon AppIcon();

// The view's cursors.
enum class ViewCursor { Arrow, NoEntry, Move, WestEast, Rotate, Pointer };
QCursor MakeViewCursor(ViewCursor kind);

} // namespace lumina
