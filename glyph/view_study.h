#pragma once

#include "glyph/glyph_view.h"
#include "glyph/outline.h"
#include "glyph/view_curves.h"

namespace lumina {

struct EngineServices;
struct GlyphBitmap;

namespace view {

// The colours of the study pictures.
inline constexpr COLORREF kControlGrey = Rgb(128, 128, 128);    // control points, handles
inline constexpr COLORREF kUnhintedColour = Rgb(110, 165, 240); // the unhinted outline beneath
inline constexpr COLORREF kDirectionColour = Rgb(224, 96, 0);   // first point, contour direction
inline constexpr COLORREF kLeaderColour = Rgb(255, 150, 150);   // a moved number's leader
inline constexpr COLORREF kGridGrey = Rgb(176, 176, 176);       // the zoomed bitmap's grid
inline constexpr COLORREF kZoomLabel = Rgb(64, 64, 64);

// Where a point of the outline picture lands: the decoded outline is placed (PlaceOutline) and
// its bounds centred on the view, then everything is zoomed and panned.
struct OutlineMapping {
    Point placeShift; // what placing added to the decoded points
    Point offset;     // what centring adds to the placed points
    ZoomMap zoom;

    Point FromPlaced(const OutlinePoint& p) const;
    Point FromDecoded(const OutlinePoint& p) const;
    // A point of the font's own outline, turned by the text angle.
    PointF FromFont(const SourcePoint& p, int angle) const;
};

// The glyph of the outline picture in every form the study switches may draw it in.
struct StudyOutline {
    const GlyphOutline& outline; // placed
    const GlyphMetrics& metrics;
    Point placeShift;
    const SourceOutline* fontPoints = nullptr;     // with StudyOptions::fontPoints
    const GlyphOutline* unhinted = nullptr;        // decoded, not placed; with Hinting::Compare
    const SourceOutline* unhintedPoints = nullptr; // the same with fontPoints
    const GlyphOutline* compared = nullptr; // the second face's, decoded, aligned on the origin
};

// What the counts field shows for the picture: vertices and blocks, or with the font's points
// its points and contours; and how many numbers found no room.
struct StudyCounts {
    int points = 0;
    int blocks = 0;
    int numbersLeftOut = 0;
};

// The outline picture as the study switches ask: curves with their control points or straight
// lines, the decoded vertices or the font's own points, the unhinted outline beneath, numbers
// spread apart, all zoomed and panned; labels keep their size.
StudyCounts DrawStudyOutlinePicture(const EngineServices& services, Surface& surface,
                                    const StudyOutline& glyph, const ViewOptions& options,
                                    const StudyOptions& study, int fontSize, int angle);

// A second face's bitmap over the first, its origin `shift` pixels from the first one's.
struct SecondBitmap {
    const GlyphBitmap& bitmap;
    Point shift;
};

// The second face's ink as squares of zoom x zoom pixels in its own colour (ink of both faces
// darker), aligned on the first face's origin; `corner` is where the first bitmap's pixel (0, 0)
// lies on the surface.
void DrawCompareSquares(Surface& surface, const GlyphBitmap& first, const SecondBitmap& second,
                        Point corner, int zoom);

// The bitmap picture zoomed and panned: each glyph pixel a square, from x4 on with a grid
// between the pixels, the black box framed, its pixel (0, 0) named and the base line and the
// origin marked; a compared face's pixels as squares of its own colour beneath the grid.
void DrawZoomedBitmapPicture(const EngineServices& services, Surface& surface,
                             const GlyphBitmap& bitmap, const ViewOptions& options,
                             const StudyOptions& study, int fontSize,
                             const SecondBitmap* compare = nullptr);

// "×%d" of the zoom in the view's top-left corner.
void DrawZoomLabel(const EngineServices& services, Surface& surface, int zoom);

} // namespace view
} // namespace lumina
