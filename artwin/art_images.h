#pragma once

#include <QCursor>
#include <QIcon>

namespace lumina {

// The character-art window's own button pictures, drawn in code.
enum class ArtImage { Refresh, Fit, Zoom1, Zoom2, Zoom4, Zoom8, FileOut, End };

QIcon ArtImageIcon(ArtImage image);
QPixmap ArtImagePixmap(ArtImage image, int size);

// The cursor over the frame on the picture: an open hand.
QCursor HandCursor();

} // namespace lumina
