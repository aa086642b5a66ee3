#include "platform/surface.h"

#include "platform/glyph_compositor.h"
#include "platform/pixel_budget.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace lumina {

struct Surface::Impl {
    QImage image;
    int dpiX = 96;
    int dpiY = 96;
    Pen pen;
    Brush brush;
    std::shared_ptr<const Font> font;
    COLORREF textColour = Rgb(0, 0, 0);
    Point current;
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
// do not ink their joints twice; a dotted pen inks every other pixel starting with the first.
// Wider pens are round and draw both ends; a dotted pen wider than one pixel draws solid.
void DrawLine(PixelWriter& writer, Point a, Point b, const Pen& pen, PixelFormat format) {
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
        if (!dotted || step % 2 == 0)
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

} // namespace

Surface::Surface(std::unique_ptr<Impl> impl)
    : m_impl(std::move(impl)) {}
Surface::Surface(Surface&&) noexcept = default;
Surface& Surface::operator=(Surface&&) noexcept = default;
Surface::~Surface() = default;

std::optional<Surface> Surface::Create(int width, int height, PixelFormat format, int dpiX,
                                       int dpiY) {
    if (!WithinPixelBudget(width, height))
        return std::nullopt;
    auto impl = std::make_unique<Impl>();
    impl->image = QImage(width, height, QtFormat(format));
    if (impl->image.isNull())
        return std::nullopt;
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
    return m_impl->image.width();
}
int Surface::Height() const {
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
    const Rect r = Intersect(rect, Bounds());
    if (r.IsEmpty())
        return;
    // Whole views are cleared on every refresh: fill rows directly.
    QImage& image = m_impl->image;
    WithPixelTraits(Format(), [&]<class Px>(Px) {
        const auto raw = EncodeColour<Px>(colour);
        for (int y = r.top; y < r.bottom; ++y)
            std::fill_n(reinterpret_cast<typename Px::Raw*>(image.scanLine(y)) + r.left, r.Width(),
                        raw);
    });
}

void Surface::MoveTo(Point p) {
    m_impl->current = p;
}

void Surface::LineTo(Point p) {
    PixelWriter writer(m_impl->image, Format());
    DrawLine(writer, m_impl->current, p, m_impl->pen, Format());
    m_impl->current = p;
}

void Surface::Ellipse(const Rect& box) {
    if (box.IsEmpty())
        return;
    QPainter painter(&m_impl->image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const Pen& pen = m_impl->pen;
    QPen qpen(ToQColor(pen.colour), std::max(pen.width, 1));
    qpen.setStyle(pen.style == PenStyle::Dot && pen.width <= 1 ? Qt::DotLine : Qt::SolidLine);
    painter.setPen(qpen);
    painter.setBrush(ToQColor(m_impl->brush.colour));
    // An aliased outline covers its rectangle plus one pixel, so the rectangle is one smaller
    // to keep the ink inside box.
    painter.drawEllipse(QRect(box.left, box.top, box.Width() - 1, box.Height() - 1));
}

void Surface::PenDot(Point p) {
    PixelWriter writer(m_impl->image, Format());
    StampPen(writer, p.x, p.y, std::max(m_impl->pen.width, 1),
             EncodePixel(Format(), m_impl->pen.colour));
}

void Surface::FrameRect(const Rect& rect, COLORREF colour) {
    if (rect.IsEmpty())
        return;
    FillRect({rect.left, rect.top, rect.right, rect.top + 1}, colour);
    FillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
    FillRect({rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
    FillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void Surface::TextOut(Point p, std::string_view utf8) {
    if (!m_impl->font || utf8.empty())
        return;
    CompositeGlyphs(*this, m_impl->font->RenderText(utf8), p, m_impl->textColour);
}

void Surface::TextOutCode(Point p, std::uint32_t code) {
    if (!m_impl->font)
        return;
    CompositeGlyphs(*this, m_impl->font->RenderCode(code), p, m_impl->textColour);
}

void Surface::TextOutGlyph(Point p, const GlyphKey& key) {
    if (!m_impl->font)
        return;
    CompositeGlyphs(*this, m_impl->font->RenderGlyph(key), p, m_impl->textColour);
}

void Surface::DrawTextInRect(const Rect& rect, std::string_view utf8, unsigned align) {
    if (!m_impl->font || utf8.empty() || rect.IsEmpty())
        return;
    const Size extent = m_impl->font->TextExtent(utf8);
    Point p{rect.left, rect.top};
    if (align & kAlignCentre)
        p.x = rect.left + (rect.Width() - extent.cx) / 2;
    else if (align & kAlignRight)
        p.x = rect.right - extent.cx;
    if (align & kAlignVCentre)
        p.y = rect.top + (rect.Height() - extent.cy) / 2;
    else if (align & kAlignBottom)
        p.y = rect.bottom - extent.cy;
    CompositeGlyphs(*this, m_impl->font->RenderText(utf8), p, m_impl->textColour,
                    Widening::Expanded, rect);
}

void Surface::CopyFrom(const Surface& source, const Rect& sourceRect, Point destination) {
    if (sourceRect.IsEmpty())
        return;
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

void Surface::StretchFrom(const Surface& source, const Rect& sourceRect,
                          const Rect& destinationRect) {
    const Rect src = Intersect(sourceRect, source.Bounds());
    if (src.IsEmpty() || destinationRect.IsEmpty())
        return;
    // QImage's smooth scaling averages areas when shrinking, which a painter's bilinear
    // transform does not.
    const QImage scaled = source.m_impl->image.copy(ToQRect(src))
                              .scaled(destinationRect.Width(), destinationRect.Height(),
                                      Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&m_impl->image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(destinationRect.left, destinationRect.top), scaled);
}

void Surface::TransparentFrom(const Surface& source, const Rect& sourceRect,
                              const Rect& destinationRect, COLORREF key) {
    const Rect src = Intersect(sourceRect, source.Bounds());
    if (src.IsEmpty() || destinationRect.IsEmpty())
        return;
    // Nearest-pixel scaling keeps the key colour exact, so no blended fringe survives.
    QImage scaled = source.m_impl->image.copy(ToQRect(src));
    if (scaled.width() != destinationRect.Width() || scaled.height() != destinationRect.Height())
        scaled = scaled.scaled(destinationRect.Width(), destinationRect.Height(),
                               Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const PixelFormat sourceFormat = source.Format();
    const std::uint32_t keyRaw = EncodePixel(sourceFormat, key);
    PixelWriter from(scaled, sourceFormat);
    PixelWriter to(m_impl->image, Format());
    for (int y = 0; y < scaled.height(); ++y)
        for (int x = 0; x < scaled.width(); ++x) {
            const std::uint32_t raw = from.Raw(x, y);
            if (raw == keyRaw)
                continue;
            to.SetRaw(destinationRect.left + x, destinationRect.top + y,
                      EncodePixel(Format(), DecodePixel(sourceFormat, raw)));
        }
}

COLORREF Surface::PixelAt(Point p) const {
    if (!Bounds().Contains(p))
        return kNoColour;
    const std::uint8_t* row = m_impl->image.constScanLine(p.y);
    return WithPixelTraits(Format(), [&]<class Px>(Px) {
        return DecodeColour<Px>(Px::Load(row + static_cast<std::ptrdiff_t>(p.x) * Px::kBytes));
    });
}

void Surface::SetPixel(Point p, COLORREF colour) {
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
