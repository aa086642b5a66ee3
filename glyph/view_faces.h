#pragma once

#include "glyph/face_views.h"
#include "glyph/view_drawing.h"

#include <string>
#include <vector>

namespace lumina {

struct EngineServices;
struct GlyphBitmap;

namespace view {

// The colours of the typesetting switches.
inline constexpr COLORREF kCompareColour = Rgb(224, 0, 128);  // the second face
inline constexpr COLORREF kCompareOverlap = Rgb(112, 0, 64);  // both faces' ink
inline constexpr COLORREF kEmBoxColour = Rgb(0, 140, 160);    // 仮想ボディ
inline constexpr COLORREF kFaceBoxColour = Rgb(160, 100, 40); // 平均字面
inline constexpr COLORREF kHheaColour = Rgb(230, 120, 0);
inline constexpr COLORREF kTypoColour = Rgb(0, 150, 0);
inline constexpr COLORREF kWinColour = Rgb(100, 100, 220);

COLORREF FrameLineColour(FrameLineKind kind);

// Q turned about O by the text angle, rounded to the nearest pixel: the new marks stay exact
// at angle 0, where the truncating turn of the metric construction may lose a pixel.
Point Turn(Point Q, Point O, int angle);

// One line of a legend: a swatch of its colour and its text.
struct LegendEntry {
    COLORREF colour = 0;
    std::string text;
};

// The legend in the picture's bottom-left corner, on white, framed.
void DrawLegend(const EngineServices& services, Surface& surface,
                const std::vector<LegendEntry>& entries);

// Where the frames stand on the drawing: the base-line origin before turning, turned with the
// text about O.
struct FrameGeometry {
    Point O;
    Point base;
    int angle = 0;
};

// The em box, the character face box and the three ascent and descent pairs of the face's
// tables, each line labelled with its name and value in pixels.
void DrawFrames(const EngineServices& services, Surface& surface, const FrameGeometry& at,
                const FaceTables& tables, int labelSize);

// The legend entries of the frames: each line's colour, and what is derived or left out.
std::vector<LegendEntry> FrameLegendEntries(const FaceTables& tables);

// The second face's ink over the bitmap picture, aligned on the first one's origin (shifted by
// `shift` pixels): its own ink in the second colour, ink of both darker.
void DrawCompareBitmap(Surface& surface, const GlyphBitmap& first, const GlyphBitmap& second,
                       Point shift);

// The vertical drawing: the glyph of vertical text hung from its vertical origin at the
// drawing origin, with the vertical advance, the cell and their labels; the second face of the
// input hangs from the same origin. Returns the ink ratio over the vertical cell.
struct VerticalDrawing {
    VerticalGlyph glyph;
    const FaceTables* frames = nullptr; // the face's tables, drawn as frames when asked for
};
int DrawVerticalDrawing(const EngineServices& services, Surface& surface, const DrawingInput& input,
                        const VerticalDrawing& vertical);

} // namespace view
} // namespace lumina
