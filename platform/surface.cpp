#include "platform/surface.h"

#include "platform/glyph_compositor.h"
#include "platform/pixel_budget.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace lumina {

struct Surface::Impl {
    QImage image;
    int ratio = 1;
    int dpiX = 96;
    int dpiY = 96;
    Pen pen;
    Brush brush;
    std::shared_ptr<const Font> font;
    COLORREF textColour = Rgb(0, 0, 0);
    Point current;
    // Device fonts of a surface above ratio 1: the selected font made at ratio times its size,
    // kept while that font stays selected.
    FontSystem* fonts = nullptr;
    std::shared_ptr<const Font> deviceFontOf;
    std::shared_ptr<const Font> deviceFont;

    // A coordinate in device pixels; far-away values are held where the line loops can take
    // them.
    int D(int v) const {
        if (ratio == 1)
            return v;
        return static_cast<int>(
            std::clamp<long long>(static_cast<long long>(v) * ratio, INT_MIN / 2, INT_MAX / 2));
    }
    Point D(Point p) const { return {D(p.x), D(p.y)}; }
    Rect D(const Rect& r) const { return {D(r.left), D(r.top), D(r.right), D(r.bottom)}; }
    // One-pixel pens stay one device pixel wide (hairlines); wider ones scale.
    int PenWidth(int width) const { return width <= 1 ? 1 : width * ratio; }
    // Paints on the device pixels as they are: a painter on the image itself would apply its
    // ratio.
    template <class Paint>
    void PaintDevice(Paint paint) {
        if (ratio == 1) {
            QPainter painter(&image);
            paint(painter);
            return;
        }
        QImage device(image.bits(), image.width(), image.height(), image.bytesPerLine(),
                      image.format());
        QPainter painter(&device);
        paint(painter);
    }
    // The device pixels for reading.
    QImage DeviceView() const {
        if (ratio == 1)
            return image;
        return QImage(image.constBits(), image.width(), image.height(), image.bytesPerLine(),
                      image.format());
    }
    // The selected font at the device's size; nullptr when it cannot be made.
    const Font* DeviceFont();
    // Text coverage in device pixels, from the device font or else the selected font's
    // enlarged; render asks a font for it.
    template <class Render>
    std::vector<GlyphImage> DeviceGlyphs(Render render);
    Size DeviceExtent(std::string_view utf8);
};

namespace {

QImage::Format QtFormat(PixelFormat format) {
    return format == PixelFormat::Rgb16 ? QImage::Format_RGB16 : QImage::Format_RGB32;
}

QColor ToQColor(COLORREF colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

Rect Intersect(const Rect& a, const Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

// Direct pixel access; every write is clipped to the image.
class PixelWriter {
public:
    PixelWriter(QImage& image, PixelFormat format)
        : m_image(image)
        , m_format(format)
        , m_bits(image.bits())
        , m_stride(image.bytesPerLine()) {}

    bool Inside(int x, int y) const {
        return x >= 0 && y >= 0 && x < m_image.width() && y < m_image.height();
    }
    std::uint32_t Raw(int x, int y) const {
        const std::uint8_t* row = m_bits + static_cast<std::ptrdiff_t>(y) * m_stride;
        if (m_format == PixelFormat::Rgb16)
            return Rgb16Pixel::Load(row + x * Rgb16Pixel::kBytes);
        return Rgb32Pixel::Load(row + x * Rgb32Pixel::kBytes);
    }
    void SetRaw(int x, int y, std::uint32_t raw) {
        if (!Inside(x, y))
            return;
        std::uint8_t* row = m_bits + static_cast<std::ptrdiff_t>(y) * m_stride;
        if (m_format == PixelFormat::Rgb16)
            Rgb16Pixel::Store(row + x * Rgb16Pixel::kBytes, static_cast<std::uint16_t>(raw));
        else
            Rgb32Pixel::Store(row + x * Rgb32Pixel::kBytes, raw);
    }

private:
    QImage& m_image;
    PixelFormat m_format;
    std::uint8_t* m_bits;
    qsizetype m_stride;
};

// The mark of a round pen of the given width centred on (x, y).
void StampPen(PixelWriter& writer, int x, int y, int width, std::uint32_t raw) {
    if (width <= 1) {
        writer.SetRaw(x, y, raw);
        return;
    }
    const int lo = -(width - 1) / 2;
    const double centre = lo + (width - 1) / 2.0;
    const double r2 = (width / 2.0) * (width / 2.0);
    for (int dy = lo; dy < lo + width; ++dy)
        for (int dx = lo; dx < lo + width; ++dx) {
            const double ex = dx - centre, ey = dy - centre;
            if (ex * ex + ey * ey <= r2)
                writer.SetRaw(x + dx, y + dy, raw);
        }
}

// A Bresenham line from a to b. One-pixel pens leave the end pixel out so that joined lines
// do not ink their joints twice; a dotted pen inks every other run of dash pixels starting with
// the first. Wider pens are round and draw both ends; a dotted pen wider than one pixel draws
// solid.
void DrawLine(PixelWriter& writer, Point a, Point b, const Pen& pen, PixelFormat format,
              int dash = 1) {
    const std::uint32_t raw = EncodePixel(format, pen.colour);
    const int width = std::max(pen.width, 1);
    const bool dotted = pen.style == PenStyle::Dot && width == 1;
    const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    int x = a.x, y = a.y;
    for (long step = 0;; ++step) {
        const bool atEnd = x == b.x && y == b.y;
        if (atEnd && width == 1)
            return;
        if (!dotted || (step / dash) % 2 == 0)
            StampPen(writer, x, y, width, raw);
        if (atEnd)
            return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// Whole views are cleared on every refresh: rows are filled directly. r lies within the image.
void FillDeviceRect(QImage& image, PixelFormat format, const Rect& r, COLORREF colour) {
    if (r.IsEmpty())
        return;
    WithPixelTraits(format, [&]<class Px>(Px) {
        const auto raw = EncodeColour<Px>(colour);
        for (int y = r.top; y < r.bottom; ++y)
            std::fill_n(reinterpret_cast<typename Px::Raw*>(image.scanLine(y)) + r.left, r.Width(),
                        raw);
    });
}

// Each pixel as a factor x factor block.
QImage Enlarge(const QImage& image, int factor) {
    QImage big(image.width() * factor, image.height() * factor, image.format());
    const int bytes = image.depth() / 8;
    for (int y = 0; y < big.height(); ++y) {
        const std::uint8_t* from = image.constScanLine(y / factor);
        std::uint8_t* to = big.scanLine(y);
        for (int x = 0; x < big.width(); ++x)
            std::copy_n(from + (x / factor) * bytes, bytes, to + x * bytes);
    }
    return big;
}

// Glyph coverage enlarged to ratio x ratio blocks, for text when no device font can be had.
std::vector<GlyphImage> Enlarged(std::vector<GlyphImage> images, int ratio) {
    for (GlyphImage& g : images) {
        if (g.coverage.size() < static_cast<std::size_t>(g.width) * g.height)
            continue;
        GlyphImage big{g.left * ratio, g.top * ratio, g.width * ratio, g.height * ratio, {}};
        big.coverage.resize(static_cast<std::size_t>(big.width) * big.height);
        for (int y = 0; y < big.height; ++y)
            for (int x = 0; x < big.width; ++x)
                big.coverage[static_cast<std::size_t>(y) * big.width + x] =
                    g.coverage[static_cast<std::size_t>(y / ratio) * g.width + x / ratio];
        g = std::move(big);
    }
    return images;
}

Point NearestDevice(double x, double y, int ratio) {
    constexpr double kLimit = 1e9;
    return {static_cast<int>(std::lround(std::clamp(x * ratio, -kLimit, kLimit))),
            static_cast<int>(std::lround(std::clamp(y * ratio, -kLimit, kLimit)))};
}

} // namespace

const Font* Surface::Impl::DeviceFont() {
    if (ratio == 1)
        return font.get();
    if (deviceFontOf != font) {
        deviceFontOf = font;
        deviceFont.reset();
        if (font && fonts) {
            LogicalFont logical = font->Logical();
            logical.height = static_cast<int>(std::clamp<long long>(
                static_cast<long long>(logical.height) * ratio, INT_MIN, INT_MAX));
            deviceFont = fonts->CreateFont(logical);
        }
    }
    return deviceFont.get();
}

template <class Render>
std::vector<GlyphImage> Surface::Impl::DeviceGlyphs(Render render) {
    if (const Font* device = DeviceFont())
        return render(*device);
    return Enlarged(render(*font), ratio);
}

Size Surface::Impl::DeviceExtent(std::string_view utf8) {
    if (const Font* device = DeviceFont())
        return device->TextExtent(utf8);
    const Size extent = font->TextExtent(utf8);
    return {extent.cx * ratio, extent.cy * ratio};
}

Surface::Surface(std::unique_ptr<Impl> impl)
    : m_impl(std::move(impl)) {}
Surface::Surface(Surface&&) noexcept = default;
Surface& Surface::operator=(Surface&&) noexcept = default;
Surface::~Surface() = default;

std::optional<Surface> Surface::Create(int width, int height, PixelFormat format, int dpiX,
                                       int dpiY) {
    return CreateScaled(width, height, 1, nullptr, format, dpiX, dpiY);
}

std::optional<Surface> Surface::CreateScaled(int width, int height, int ratio, FontSystem* fonts,
                                             PixelFormat format, int dpiX, int dpiY) {
    ratio = std::clamp(ratio, 1, 8);
    if (!WithinPixelBudget(width, height) ||
        !WithinPixelBudget(static_cast<std::int64_t>(width) * ratio,
                           static_cast<std::int64_t>(height) * ratio))
        return std::nullopt;
    auto impl = std::make_unique<Impl>();
    impl->image = QImage(width * ratio, height * ratio, QtFormat(format));
    if (impl->image.isNull())
        return std::nullopt;
    impl->ratio = ratio;
    impl->fonts = fonts;
    if (ratio > 1)
        impl->image.setDevicePixelRatio(ratio);
    // New surfaces start white so that nothing reads uninitialised memory.
    impl->image.fill(Qt::white);
    impl->dpiX = dpiX > 0 ? dpiX : 96;
    impl->dpiY = dpiY > 0 ? dpiY : 96;
    impl->image.setDotsPerMeterX(qRound(impl->dpiX / 0.0254));
    impl->image.setDotsPerMeterY(qRound(impl->dpiY / 0.0254));
    return Surface(std::move(impl));
}

std::optional<Surface> Surface::Adopt(QImage image, int dpiX, int dpiY) {
    if (image.isNull() ||
        (image.format() != QImage::Format_RGB16 && image.format() != QImage::Format_RGB32))
        return std::nullopt;
    auto impl = std::make_unique<Impl>();
    impl->image = std::move(image);
    impl->dpiX = dpiX > 0 ? dpiX : 96;
    impl->dpiY = dpiY > 0 ? dpiY : 96;
    impl->image.setDotsPerMeterX(qRound(impl->dpiX / 0.0254));
    impl->image.setDotsPerMeterY(qRound(impl->dpiY / 0.0254));
    return Surface(std::move(impl));
}

int Surface::Width() const {
    return m_impl->image.width() / m_impl->ratio;
}
int Surface::Height() const {
    return m_impl->image.height() / m_impl->ratio;
}
int Surface::Ratio() const {
    return m_impl->ratio;
}
int Surface::DeviceWidth() const {
    return m_impl->image.width();
}
int Surface::DeviceHeight() const {
    return m_impl->image.height();
}
PixelFormat Surface::Format() const {
    return m_impl->image.format() == QImage::Format_RGB16 ? PixelFormat::Rgb16 : PixelFormat::Rgb32;
}
int Surface::BitsPerPixel() const {
    return m_impl->image.depth();
}
int Surface::DpiX() const {
    return m_impl->dpiX;
}
int Surface::DpiY() const {
    return m_impl->dpiY;
}

Pen Surface::SelectPen(const Pen& pen) {
    return std::exchange(m_impl->pen, pen);
}
Brush Surface::SelectBrush(const Brush& brush) {
    return std::exchange(m_impl->brush, brush);
}
std::shared_ptr<const Font> Surface::SelectFont(std::shared_ptr<const Font> font) {
    return std::exchange(m_impl->font, std::move(font));
}
const Font* Surface::SelectedFont() const {
    return m_impl->font.get();
}
COLORREF Surface::SetTextColour(COLORREF colour) {
    return std::exchange(m_impl->textColour, colour);
}

void Surface::FillRect(const Rect& rect, COLORREF colour) {
    FillDeviceRect(m_impl->image, Format(), Intersect(m_impl->D(rect), DeviceBounds()), colour);
}

void Surface::MoveTo(Point p) {
    m_impl->current = p;
}

void Surface::LineTo(Point p) {
    PixelWriter writer(m_impl->image, Format());
    Pen pen = m_impl->pen;
    pen.width = m_impl->PenWidth(pen.width);
    DrawLine(writer, m_impl->D(m_impl->current), m_impl->D(p), pen, Format(), m_impl->ratio);
    m_impl->current = p;
}

void Surface::LineBetween(double ax, double ay, double bx, double by) {
    const int r = m_impl->ratio;
    const Point from = NearestDevice(ax, ay, r);
    const Point to = NearestDevice(bx, by, r);
    m_impl->current = NearestDevice(bx, by, 1);
    if (from == to)
        return;
    PixelWriter writer(m_impl->image, Format());
    Pen pen = m_impl->pen;
    pen.width = m_impl->PenWidth(pen.width);
    DrawLine(writer, from, to, pen, Format(), r);
}

void Surface::Ellipse(const Rect& box) {
    if (box.IsEmpty())
        return;
    const Pen& pen = m_impl->pen;
    QPen qpen(ToQColor(pen.colour), m_impl->PenWidth(pen.width));
    qpen.setStyle(pen.style == PenStyle::Dot && pen.width <= 1 ? Qt::DotLine : Qt::SolidLine);
    const QColor fill = ToQColor(m_impl->brush.colour);
    const Rect d = m_impl->D(box);
    m_impl->PaintDevice([&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(qpen);
        painter.setBrush(fill);
        // An aliased outline covers its rectangle plus one pixel, so the rectangle is one
        // smaller to keep the ink inside box.
        painter.drawEllipse(QRect(d.left, d.top, d.Width() - 1, d.Height() - 1));
    });
}

void Surface::PenDot(Point p) {
    PixelWriter writer(m_impl->image, Format());
    const Point d = m_impl->D(p);
    StampPen(writer, d.x, d.y, m_impl->PenWidth(m_impl->pen.width),
             EncodePixel(Format(), m_impl->pen.colour));
}

void Surface::FrameRect(const Rect& rect, COLORREF colour) {
    if (rect.IsEmpty())
        return;
    if (m_impl->ratio > 1) {
        // Hairlines through the device pixels the corner pixels start at, as lines between
        // them are drawn.
        const Rect d{m_impl->D(rect.left), m_impl->D(rect.top), m_impl->D(rect.right - 1) + 1,
                     m_impl->D(rect.bottom - 1) + 1};
        for (const Rect& side : {Rect{d.left, d.top, d.right, d.top + 1},
                                 Rect{d.left, d.bottom - 1, d.right, d.bottom},
                                 Rect{d.left, d.top, d.left + 1, d.bottom},
                                 Rect{d.right - 1, d.top, d.right, d.bottom}})
            FillDeviceRect(m_impl->image, Format(), Intersect(side, DeviceBounds()), colour);
        return;
    }
    FillRect({rect.left, rect.top, rect.right, rect.top + 1}, colour);
    FillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
    FillRect({rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
    FillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void Surface::TextOut(Point p, std::string_view utf8) {
    if (!m_impl->font || utf8.empty())
        return;
    CompositeGlyphs(*this,
                    m_impl->DeviceGlyphs([&](const Font& font) { return font.RenderText(utf8); }),
                    m_impl->D(p), m_impl->textColour);
}

void Surface::TextOutCode(Point p, std::uint32_t code) {
    if (!m_impl->font)
        return;
    CompositeGlyphs(*this,
                    m_impl->DeviceGlyphs([&](const Font& font) { return font.RenderCode(code); }),
                    m_impl->D(p), m_impl->textColour);
}

void Surface::TextOutGlyph(Point p, const GlyphKey& key) {
    if (!m_impl->font)
        return;
    CompositeGlyphs(*this, m_impl->font->RenderGlyph(key), p, m_impl->textColour);
}

void Surface::DrawTextInRect(const Rect& rect, std::string_view utf8, unsigned align) {
    if (!m_impl->font || utf8.empty() || rect.IsEmpty())
        return;
    // Aligned in device pixels, so that finer text is centred as finely.
    const Rect area = m_impl->D(rect);
    const Size extent = m_impl->DeviceExtent(utf8);
    Point p{area.left, area.top};
    if (align & kAlignCentre)
        p.x = area.left + (area.Width() - extent.cx) / 2;
    else if (align & kAlignRight)
        p.x = area.right - extent.cx;
    if (align & kAlignVCentre)
        p.y = area.top + (area.Height() - extent.cy) / 2;
    else if (align & kAlignBottom)
        p.y = area.bottom - extent.cy;
    CompositeGlyphs(*this,
                    m_impl->DeviceGlyphs([&](const Font& font) { return font.RenderText(utf8); }),
                    p, m_impl->textColour, Widening::Expanded, area);
}

void Surface::CopyFrom(const Surface& source, const Rect& sourceRect, Point destination) {
    if (sourceRect.IsEmpty())
        return;
    if (source.m_impl->ratio != 1 || m_impl->ratio != 1)
        return CopyScaled(source, sourceRect, destination);
    // A painter must not read the image it paints on: a copy within one surface goes through
    // a copy of the source rectangle.
    const bool same = &source == this;
    const QImage own = same ? m_impl->image.copy(ToQRect(sourceRect)) : QImage();
    QPainter painter(&m_impl->image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (same)
        painter.drawImage(QPoint(destination.x, destination.y), own);
    else
        painter.drawImage(QPoint(destination.x, destination.y), source.m_impl->image,
                          ToQRect(sourceRect));
}

void Surface::CopyScaled(const Surface& source, const Rect& sourceRect, Point destination) {
    const Rect src = Intersect(sourceRect, source.Bounds());
    if (src.IsEmpty())
        return;
    const int from = source.m_impl->ratio, to = m_impl->ratio;
    // The copy also keeps a copy within one surface from reading what it writes.
    QImage part = source.m_impl->DeviceView().copy(ToQRect(source.m_impl->D(src)));
    if (from < to && to % from == 0)
        part = Enlarge(part, to / from);
    else if (from != to)
        part = part.scaled(src.Width() * to, src.Height() * to, Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation);
    const Point at = m_impl->D(Point{destination.x + (src.left - sourceRect.left),
                                     destination.y + (src.top - sourceRect.top)});
    m_impl->PaintDevice([&](QPainter& painter) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(at.x, at.y), part);
    });
}

void Surface::StretchFrom(const Surface& source, const Rect& sourceRect,
                          const Rect& destinationRect) {
    const Rect src = source.m_impl->D(Intersect(sourceRect, source.Bounds()));
    const Rect destination = m_impl->D(destinationRect);
    if (src.IsEmpty() || destination.IsEmpty())
        return;
    // QImage's smooth scaling averages areas when shrinking, which a painter's bilinear
    // transform does not.
    const QImage scaled = source.m_impl->DeviceView()
                              .copy(ToQRect(src))
                              .scaled(destination.Width(), destination.Height(),
                                      Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_impl->PaintDevice([&](QPainter& painter) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(destination.left, destination.top), scaled);
    });
}

void Surface::TransparentFrom(const Surface& source, const Rect& sourceRect,
                              const Rect& destinationRect, COLORREF key) {
    const Rect src = source.m_impl->D(Intersect(sourceRect, source.Bounds()));
    const Rect destination = m_impl->D(destinationRect);
    if (src.IsEmpty() || destination.IsEmpty())
        return;
    // Nearest-pixel scaling keeps the key colour exact, so no blended fringe survives.
    QImage scaled = source.m_impl->DeviceView().copy(ToQRect(src));
    if (scaled.width() != destination.Width() || scaled.height() != destination.Height())
        scaled = scaled.scaled(destination.Width(), destination.Height(), Qt::IgnoreAspectRatio,
                               Qt::FastTransformation);
    const PixelFormat sourceFormat = source.Format();
    const std::uint32_t keyRaw = EncodePixel(sourceFormat, key);
    PixelWriter from(scaled, sourceFormat);
    PixelWriter to(m_impl->image, Format());
    for (int y = 0; y < scaled.height(); ++y)
        for (int x = 0; x < scaled.width(); ++x) {
            const std::uint32_t raw = from.Raw(x, y);
            if (raw == keyRaw)
                continue;
            to.SetRaw(destination.left + x, destination.top + y,
                      EncodePixel(Format(), DecodePixel(sourceFormat, raw)));
        }
}

COLORREF Surface::PixelAt(Point p) const {
    if (!Bounds().Contains(p))
        return kNoColour;
    const Point d = m_impl->D(p);
    const std::uint8_t* row = m_impl->image.constScanLine(d.y);
    return WithPixelTraits(Format(), [&]<class Px>(Px) {
        return DecodeColour<Px>(Px::Load(row + static_cast<std::ptrdiff_t>(d.x) * Px::kBytes));
    });
}

void Surface::SetPixel(Point p, COLORREF colour) {
    if (m_impl->ratio > 1)
        return FillRect({p.x, p.y, p.x + 1, p.y + 1}, colour);
    PixelWriter writer(m_impl->image, Format());
    writer.SetRaw(p.x, p.y, EncodePixel(Format(), colour));
}

const std::uint8_t* Surface::Bits() const {
    return m_impl->image.constBits();
}
std::uint8_t* Surface::Bits() {
    return m_impl->image.bits();
}
int Surface::Stride() const {
    return static_cast<int>(m_impl->image.bytesPerLine());
}

const QImage& Surface::Image() const {
    return m_impl->image;
}
QImage& Surface::Image() {
    return m_impl->image;
}

} // namespace lumina
