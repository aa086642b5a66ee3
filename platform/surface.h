#pragma once

#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/pixels.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

class QImage;

namespace lumina {

enum class PenStyle { Solid, Dot };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    COLORREF colour = Rgb(0, 0, 0);
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    COLORREF colour = Rgb(255, 255, 255);
    friend bool operator==(const Brush&, const Brush&) = default;
};

// Alignment of text in a rectangle; text is always on one line and clipped to the rectangle.
enum TextAlign : unsigned {
    kAlignLeft = 0x0,
    kAlignCentre = 0x1,
    kAlignRight = 0x2,
    kAlignTop = 0x0,
    kAlignVCentre = 0x4,
    kAlignBottom = 0x8,
};

// An off-screen picture with a small drawing state (pen, brush, font, text colour, current
// point), in the display's pixel format. Coordinates are pixels, y down. Text is always drawn
// with a transparent background.
//
// A surface for a high-density screen has a device ratio r above 1: it holds width x r by
// height x r device pixels while every coordinate it takes stays in the program's (logical)
// pixels, so pictures are laid out as on any screen and only drawn finer. One-pixel pens draw
// lines one device pixel wide, wider pens and pen dots are r times wider, fills and copied
// pixels cover r x r device pixels each, and text is drawn from the selected font made again at
// r times its pixel size (through the font system given; without one, its pixels are
// enlarged).
class Surface {
public:
    // nullopt when the pixels cannot be had (zero or negative size, or no memory).
    static std::optional<Surface> Create(int width, int height, PixelFormat format, int dpiX = 96,
                                         int dpiY = 96);
    // A surface of width x height pixels at a device ratio of 1 or more (held to 1..8).
    static std::optional<Surface> CreateScaled(int width, int height, int ratio, FontSystem* fonts,
                                               PixelFormat format, int dpiX = 96, int dpiY = 96);

    Surface(Surface&&) noexcept;
    Surface& operator=(Surface&&) noexcept;
    ~Surface();

    int Width() const;
    int Height() const;
    Rect Bounds() const { return {0, 0, Width(), Height()}; }
    // Device pixels per pixel, and the size in device pixels (Bits, Stride and Image hold
    // device pixels).
    int Ratio() const;
    int DeviceWidth() const;
    int DeviceHeight() const;
    Rect DeviceBounds() const { return {0, 0, DeviceWidth(), DeviceHeight()}; }
    PixelFormat Format() const;
    int BitsPerPixel() const;
    int DpiX() const;
    int DpiY() const;

    // Drawing state; each Select returns what was selected before.
    Pen SelectPen(const Pen& pen);
    Brush SelectBrush(const Brush& brush);
    std::shared_ptr<const Font> SelectFont(std::shared_ptr<const Font> font);
    const Font* SelectedFont() const;
    COLORREF SetTextColour(COLORREF colour);

    void FillRect(const Rect& rect, COLORREF colour);
    void MoveTo(Point p);
    void LineTo(Point p); // current pen; the end pixel is not drawn
    // A line between two points that may lie between pixels, each taken to the nearest device
    // pixel; nothing when both land on the same one. The current point becomes b's pixel.
    void LineBetween(double ax, double ay, double bx, double by);
    void Ellipse(const Rect& box); // inscribed in box; outlined with the pen, filled with the brush
    void PenDot(Point p);          // the mark a pen of its width leaves at one point
    void FrameRect(const Rect& rect, COLORREF colour); // 1-pixel border inside rect

    // Text in the selected font, top-left of its cell at p, turned by the font's angle about p.
    void TextOut(Point p, std::string_view utf8);
    // The character(s) of a code page 932 code, as TextOut.
    void TextOutCode(Point p, std::uint32_t code);
    // One glyph of the selected font as text, its cell's top-left at p.
    void TextOutGlyph(Point p, const GlyphKey& key);
    // Text on one line, aligned in and clipped to rect.
    void DrawTextInRect(const Rect& rect, std::string_view utf8, unsigned align);

    // Copies between surfaces, in pixels of each; a source of a lower ratio has its pixels
    // enlarged to blocks.
    void CopyFrom(const Surface& source, const Rect& sourceRect, Point destination);
    void StretchFrom(const Surface& source, const Rect& sourceRect, const Rect& destinationRect);
    void TransparentFrom(const Surface& source, const Rect& sourceRect, const Rect& destinationRect,
                         COLORREF key);

    COLORREF PixelAt(Point p) const; // kNoColour outside; the top-left device pixel of p
    void SetPixel(Point p, COLORREF colour);

    // The whole bitmap in its own format, rows top to bottom, in device pixels.
    const std::uint8_t* Bits() const;
    std::uint8_t* Bits();
    int Stride() const; // bytes per row

    // For platform code and window classes that must hand the pixels to Qt; the image carries
    // the ratio as its device pixel ratio.
    const QImage& Image() const;
    QImage& Image();
    // A surface on pixels already in a surface format (RGB16 or RGB32); nullopt for any other.
    static std::optional<Surface> Adopt(QImage image, int dpiX = 96, int dpiY = 96);

private:
    struct Impl;
    explicit Surface(std::unique_ptr<Impl> impl);
    void CopyScaled(const Surface& source, const Rect& sourceRect, Point destination);
    std::unique_ptr<Impl> m_impl;
};

} // namespace lumina
