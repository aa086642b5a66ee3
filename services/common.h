#pragma once

#include "platform/font.h"
#include "platform/geometry.h"

#include <memory>
#include <string>

namespace lumina {

struct EngineServices;
class Surface;

// A font as the program asks for it; turned into a logical font by CreateAndSelectFont.
struct FontSpec {
    std::string face; // UTF-8; empty means the default face
    int size = 0;     // points
    bool bold = false;
    bool italic = false;
    int angle = 0;      // whole degrees, counter-clockwise
    bool hinted = true; // fitted to the pixel grid by the font's hinting
};

// MulDiv: a * b / c rounded to the nearest integer, halves away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

// The logical font of a font request at a vertical resolution.
LogicalFont MakeLogicalFont(const FontSpec& fontSpec, int dpiY);

// Makes the font of fontSpec, selects it into the surface and returns the font selected before
// (which the caller selects back). The new font is also stored in fontObject, replacing
// whatever it held. A font that cannot be made leaves the surface with no font selected.
std::shared_ptr<const Font> CreateAndSelectFont(const EngineServices& services,
                                                std::shared_ptr<const Font>& fontObject,
                                                Surface& surface, const FontSpec& fontSpec);

// Selects the font of a fontSpec into a surface for one scope and gives the previous one back.
class ScopedFont {
public:
    ScopedFont(const EngineServices& services, Surface& surface, const FontSpec& fontSpec);
    ~ScopedFont();
    ScopedFont(const ScopedFont&) = delete;
    ScopedFont& operator=(const ScopedFont&) = delete;

    const Font* get() const { return m_font.get(); }
    explicit operator bool() const { return m_font != nullptr; }

private:
    Surface& m_surface;
    std::shared_ptr<const Font> m_font;
    std::shared_ptr<const Font> m_previous;
};

// The font of a fontSpec selected on a surface of one pixel, in the display's format and
// resolution: for work that needs the font's measures and glyphs but draws nothing.
class ScratchFont {
public:
    ScratchFont(const EngineServices& services, const FontSpec& fontSpec);
    ~ScratchFont();
    ScratchFont(const ScratchFont&) = delete;
    ScratchFont& operator=(const ScratchFont&) = delete;

    const Font* get() const { return m_font ? m_font->get() : nullptr; }
    explicit operator bool() const { return get() != nullptr; }
    Surface& Canvas() { return *m_surface; }

private:
    std::unique_ptr<Surface> m_surface;
    std::unique_ptr<ScopedFont> m_font; // after the surface it is selected on
};

// Distance of two pixel points, truncated toward zero.
int PointDistance(Point a, Point b);

} // namespace lumina
