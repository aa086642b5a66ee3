#pragma once

#include "glyph/glyph_view.h"

namespace lumina {

struct EngineServices;

namespace view {

// The drawing's colours, shared by the horizontal and the vertical drawing.
inline constexpr COLORREF kDrawnCharacter = Rgb(128, 144, 192);
inline constexpr COLORREF kDrawnBaseLine = Rgb(128, 64, 64);
inline constexpr COLORREF kDrawnCell = Rgb(64, 64, 0);
inline constexpr COLORREF kGlyphOriginPen = Rgb(255, 0, 0);
inline constexpr COLORREF kGlyphOriginFill = Rgb(255, 144, 192);

// What the actual drawing is drawn from: the request's font must be selected on the surface.
struct DrawingInput {
    const GlyphRequest& request; // Char's code, FontDeg, FontSize, tmAscent, tmDescent
    const GlyphMetrics& metrics; // of the last successful outline fetch
    const ViewOptions& options;
    Point origin; // OrgX, OrgY
    int blackPixelCount = 0;
    // The second face, drawn on the same base line; none unless compared.
    std::shared_ptr<const Font> compareFont;
    // The face's tables, drawn as frames; none unless asked for.
    const FaceTables* frames = nullptr;
};

// The geometry of the metric construction about the drawing origin O at angle a.
struct DrawingPoints {
    Point O; // the drawing origin
    Point B; // base-line origin: O + (0, tmAscent) turned about O
    Point N; // the next character's base-line origin: B + (gmCellIncX, gmCellIncY)
    Point D; // lower left of the character cell: O + (0, tmAscent + tmDescent) turned about O
    Point G; // glyph origin: B + (gmptGlyphOrigin.x, -gmptGlyphOrigin.y)
    int baseLine = 0;
};

// Q turned about O by the text angle, with the truncations the view has always used.
Point Rotate(Point Q, Point O, int angle);
// The point 40 % of the way from P to Q (single-precision products, truncated).
Point FortyPercent(Point P, Point Q);
DrawingPoints ComputeDrawingPoints(const DrawingInput& input);

// The black-box frame around the drawing's ink, with the labels the switches ask for; nothing
// when there is no ink.
void DrawInkBox(const EngineServices& services, Surface& surface, const DrawingInput& input,
                int labelSize);

// The drawing origin's mark at O: the big circle and its name (描画基点, 縦書き基点) right of it
// in a box labelWidth wide.
void DrawOriginMark(const EngineServices& services, Surface& surface, Point O, int labelSize,
                    const char* name, int labelWidth);

// Draws the character at the origin with its metric construction and returns the ink ratio.
int DrawActualDrawing(const EngineServices& services, Surface& surface, const DrawingInput& input);

} // namespace view
} // namespace lumina
