#pragma once

#include <QImage>

namespace lumina {

struct EngineServices;
struct CompletedArt;

// The completed art drawn again for a screen of a device ratio above 1: the same characters in
// the same colours and at the same angles, from the art font made at ratio times its pixel
// size, on a picture of ratio times the art's size that carries the ratio. The art itself (what
// the exports save) is not touched. A null image at ratio 1, or when the picture or the font
// cannot be had; the window then shows the art's own pixels.
QImage ScreenArt(const EngineServices& services, const CompletedArt& art, int ratio);

} // namespace lumina
