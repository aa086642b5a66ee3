#pragma once

#include "platform/geometry.h"
#include "platform/surface.h"
#include "services/common.h"

#include <string>

namespace lumina {

struct EngineServices;

// Small drawing rules shared by the view's pictures, the dial and the measuring line.
namespace view {

inline constexpr COLORREF kWhite = Rgb(255, 255, 255);
inline constexpr COLORREF kCentreRed = Rgb(255, 0, 0);
inline constexpr COLORREF kBlackBoxBlue = Rgb(0, 0, 255);
inline constexpr COLORREF kMetricLabel = Rgb(0, 64, 0);

// The label size in points: FontSize / 100 + 6.
constexpr int LabelSize(int fontSize) {
    return fontSize / 100 + 6;
}

// The labels' font: the default face, regular, at size points and angle degrees.
FontSpec LabelFont(int size, int angle);

// The ellipse inscribed in the square of radius r about p, with the current pen and fill.
void Circle(Surface& surface, Point p, int r);

// The two dotted red lines through the middle of a W x H picture; the pen is given back.
void DrawCentreLines(Surface& surface, int W, int H);

// Fills the whole surface with white (row by row, as the refresh clears 800 x 600 surfaces).
void FillWhite(Surface& surface);

// A line from a to b with the current pen.
void Line(Surface& surface, Point a, Point b);

// Restores a surface's pen and fill when it goes.
class ScopedPenBrush {
public:
    explicit ScopedPenBrush(Surface& surface);
    ~ScopedPenBrush();
    ScopedPenBrush(const ScopedPenBrush&) = delete;
    ScopedPenBrush& operator=(const ScopedPenBrush&) = delete;

private:
    Surface& m_surface;
    Pen m_pen;
    Brush m_brush;
};

// "%d" of a value, and a label followed by " = %d".
std::string Decimal(int value);
std::string Labelled(const char* name, long long value);

} // namespace view
} // namespace lumina
