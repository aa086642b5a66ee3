#pragma once

#include "platform/geometry.h"

namespace lumina {

// The art view's scale, persisted under the key Zoom of its section.
enum class ZoomMode : int { Fit = 0, Zoom1 = 1, Zoom2 = 2, Zoom4 = 4, Zoom8 = 8 };

// True for the five values a zoom button can set.
bool IsKnownZoom(int zoom);

// Where a picture of w x h is shown in area: unscaled and centred when it is smaller both
// ways, otherwise scaled to fill one side and centred along the other.
Rect FitPictureRect(const Rect& area, int w, int h);

// Where the whole art of drawW x drawH is shown in fit mode.
Rect FitArtRect(const Rect& area, int drawW, int drawH);

// The part of the art a magnified view shows, in art pixels.
struct ArtView {
    Rect destination; // in the window
    Rect source;      // in the art surface
};
ArtView MagnifiedView(const Rect& artRect, int drawW, int drawH, int zoom, int panX, int panY);

// The frame that marks, on the picture in sourceRect, the part of the art a magnified view
// shows. scaleX and scaleY are picture-display pixels per art pixel.
Rect PictureFrame(const Rect& sourceRect, const Rect& artRect, int zoom, int panX, int panY,
                  float scaleX, float scaleY);

// The pan limits of a magnified view, in magnified pixels (negative when the art is smaller).
struct PanLimits {
    int maxX = 0;
    int maxY = 0;
};
PanLimits PanLimitsOf(const Rect& artRect, int drawW, int drawH, int zoom);

// The pan while the frame is dragged to pointer, grabbed at (grabX, grabY) from its corner.
Point PanFromFrameDrag(Point pointer, const Rect& sourceRect, Point grab, float scaleX,
                       float scaleY, int zoom, PanLimits limits);

// The pan after the art was dragged from anchor to pointer and released.
Point PanFromArtDrag(Point anchor, Point pointer, Point pan, int zoom, PanLimits limits);

// The colour a frame is drawn in over a pixel of colour c: its inverse, channel by channel.
COLORREF InverseColour(COLORREF c);

} // namespace lumina
