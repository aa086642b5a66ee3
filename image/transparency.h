#pragma once

#include "platform/geometry.h"

namespace lumina {

class ArgbImage;

// The colour (red, green, blue) of the first pixel in memory order whose alpha is 0;
// kNoColour when every pixel has some opacity.
COLORREF FindKeyColour(const ArgbImage& image);

// Repaints every pixel whose alpha is 0 in colour; the alpha stays 0.
void RepaintTransparent(ArgbImage& image, COLORREF colour);

// Keeps the picture's colours apart from its key on a display of fewer than 24 bits, where
// nearby colours become one: returns the key afterwards.
//   white: every pixel at or above 240 in all three channels, except pure white, becomes
//          (255, 247, 255);
//   black: every pixel at or below 15 in all three, except pure black, becomes (0, 8, 0);
//   other: every transparent pixel becomes white and every other pure white pixel
//          (255, 247, 255); the key becomes white.
// Alpha is never changed.
COLORREF AdjustForLowColour(ArgbImage& image, COLORREF key);

// Puts the picture onto white: a pixel of alpha 0 becomes white, a partly transparent one is
// blended with white, an opaque one keeps its colour. Every pixel is opaque afterwards.
void FlattenOntoWhite(ArgbImage& image);

} // namespace lumina
