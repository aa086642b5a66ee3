#pragma once

#include "platform/geometry.h"

namespace lumina {

// How the request is rasterised: with the font's hinting (as always), without it, or with it
// while the outline picture also shows the unhinted outline underneath. The numbers are the
// ones stored as "Hinting"; the request's hinted flag and StudyOptions::compareHinting hold it.
enum class Hinting { On = 0, Off = 1, Compare = 2 };

inline constexpr int kMinZoom = 1;
inline constexpr int kMaxZoom = 64;
// The zoom's grid between glyph pixels starts here: below it a line would eat most of a pixel.
inline constexpr int kGridZoom = 4;
// How far the zoomed picture may be moved, in screen pixels: well beyond any glyph at x64.
inline constexpr int kMaxPan = 1000000;

// The study switches of the outline and bitmap pictures. Everything off (the default) draws the
// pictures exactly as they have always been drawn.
struct StudyOptions {
    bool curves = false;         // the outline as its cubic curves, with the control points
    bool fontPoints = false;     // the font's own points instead of the decoded vertices
    bool compareHinting = false; // the unhinted outline drawn beneath the hinted one
    bool spreadNumbers = false;  // numbers moved apart so that none overlaps another
    int zoom = 1;                // glyph pixels are zoom x zoom screen pixels
    Point pan;                   // screen pixels the zoomed pictures are moved by

    // Whether the outline picture departs from the plain one.
    bool ChangesOutline() const {
        return curves || fontPoints || compareHinting || spreadNumbers || Zoomed();
    }
    bool Zoomed() const { return zoom != 1 || pan.x != 0 || pan.y != 0; }
};

// The next zoom in (the next power of two above zoom) and out (the one below), within
// kMinZoom..kMaxZoom.
int ZoomIn(int zoom);
int ZoomOut(int zoom);

// The pan that keeps the picture point under anchor (view pixels) where it is when the zoom
// about centre goes from one value to another.
Point PanForZoom(Point pan, Point anchor, Point centre, int from, int to);

// The largest zoom at which a glyph of extent pixels, with a margin for its labels, fits a view
// of W x H; kMinZoom when even that does not fit.
int FitZoom(Size extent, int W, int H);

} // namespace lumina
