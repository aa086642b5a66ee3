#include "glyph/view_marks.h"

#include <cstdio>

namespace lumina::view {

FontSpec LabelFont(int size, int angle) {
    return FontSpec{std::string(kDefaultFaceName), size, false, false, angle};
}

void Circle(Surface& surface, Point p, int r) {
    surface.Ellipse({p.x - r, p.y - r, p.x + r, p.y + r});
}

void FillWhite(Surface& surface) {
    surface.FillRect(surface.Bounds(), Rgb(255, 255, 255));
}

void Line(Surface& surface, Point a, Point b) {
    surface.MoveTo(a);
    surface.LineTo(b);
}

void DrawCentreLines(Surface& surface, int W, int H) {
    const Pen previous = surface.SelectPen(Pen{PenStyle::Dot, 1, kCentreRed});
    Line(surface, {0, H / 2}, {W, H / 2});
    Line(surface, {W / 2, 0}, {W / 2, H});
    surface.SelectPen(previous);
}

ScopedPenBrush::ScopedPenBrush(Surface& surface)
    : m_surface(surface)
    , m_pen(surface.SelectPen(Pen{}))
    , m_brush(surface.SelectBrush(Brush{})) {
    m_surface.SelectPen(m_pen);
    m_surface.SelectBrush(m_brush);
}

ScopedPenBrush::~ScopedPenBrush() {
    m_surface.SelectPen(m_pen);
    m_surface.SelectBrush(m_brush);
}

std::string Decimal(int value) {
    return std::to_string(value);
}

std::string Labelled(const char* name, long long value) {
    char text[96];
    std::snprintf(text, sizeof text, "%s = %lld", name, value);
    return text;
}

} // namespace lumina::view
