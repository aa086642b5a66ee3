#include "platform/page_device.h"

#include "platform/atomic_file.h"
#include "platform/pixel_budget.h"
#include "platform/surface.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace lumina {
namespace {

// Tiles are smoothed in memory up to this resolution; the device scales the rest, which at
// this density no longer shows as steps.
constexpr float kSmoothDpi = 300.0f;
// The resolution of a PDF file, as the print system's PDF printer has it.
constexpr int kPdfDpi = 1200;

QImage SmoothTile(const QImage& picture, const Rect& source, const Rect& destination, float scale,
                  int screenDpi) {
    const QImage tile = picture.copy(source.left, source.top, source.Width(), source.Height());
    const float cap = kSmoothDpi / static_cast<float>(std::max(screenDpi, 1));
    const float factor = std::min(scale, std::max(cap, 1.0f));
    int w = std::min(destination.Width(), static_cast<int>(source.Width() * factor));
    int h = std::min(destination.Height(), static_cast<int>(source.Height() * factor));
    if (w <= 0 || h <= 0)
        return tile;
    // A large view on a large sheet would smooth into gigabytes: smooth within the pixel budget
    // and let the device scale the rest.
    if (!WithinPixelBudget(w, h)) {
        const double shrink = std::sqrt(static_cast<double>(kMaxPicturePixels) /
                                        (static_cast<double>(w) * static_cast<double>(h)));
        w = std::max(1, static_cast<int>(w * shrink));
        h = std::max(1, static_cast<int>(h * shrink));
    }
    return tile.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

class PaintedPages : public PageDevice {
public:
    explicit PaintedPages(QPagedPaintDevice& device, std::string filePath = {})
        : m_device(device)
        , m_filePath(std::move(filePath)) {}

    PrinterGeometry Geometry() const override {
        const QPageLayout layout = m_device.pageLayout();
        const int dpi = m_device.logicalDpiX();
        const QRect paper = layout.fullRectPixels(dpi);
        const QRect page = layout.paintRectPixels(dpi);
        PrinterGeometry geometry;
        geometry.dpiX = dpi;
        geometry.dpiY = m_device.logicalDpiY();
        geometry.physicalWidth = paper.width();
        geometry.physicalHeight = paper.height();
        geometry.offsetX = page.left() - paper.left();
        geometry.offsetY = page.top() - paper.top();
        return geometry;
    }
    const std::string& FilePath() const override { return m_filePath; }

    bool Begin(const std::string& docName) override {
        SetDocName(docName);
        if (!m_painter.begin(&m_device))
            return false;
        m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
        return true;
    }
    bool NewPage() override { return m_device.newPage(); }
    void DrawPicture(const Surface& picture, const Rect& sourceRect, const Rect& destination,
                     float scale) override {
        const QImage tile =
            SmoothTile(picture.Image(), sourceRect, destination, scale, picture.DpiX());
        m_painter.drawImage(
            QRect(destination.left, destination.top, destination.Width(), destination.Height()),
            tile);
    }
    bool End() override { return m_painter.end(); }

protected:
    virtual void SetDocName(const std::string&) {}

private:
    QPagedPaintDevice& m_device;
    std::string m_filePath;
    QPainter m_painter;
};

// The writer and the bytes it makes, held ahead of the pages so that they outlive the painter.
struct PdfOutput {
    PdfOutput()
        : writer(&buffer) {}
    QBuffer buffer;
    QPdfWriter writer;
};

// A PDF file made in memory and written through the atomic writer when the document ends, so
// that a failed write leaves whatever file was there.
class PdfPages : private PdfOutput, public PaintedPages {
public:
    explicit PdfPages(const std::string& path)
        : PaintedPages(writer, path) {
        buffer.open(QIODevice::WriteOnly);
    }

    bool End() override {
        if (!PaintedPages::End())
            return false;
        const QByteArray& bytes = buffer.data();
        const WriteResult written =
            WriteFileAtomically(FilePath(), std::string_view(bytes.constData(), bytes.size()));
        m_reason = written.reason;
        return written.ok;
    }
    std::string FailureReason() const override { return m_reason; }

    void Setup(const QPageSize& size, bool landscape) {
        writer.setResolution(kPdfDpi);
        writer.setCreator(QStringLiteral("Lumina Graph"));
        writer.setPageSize(size);
        writer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    }

protected:
    void SetDocName(const std::string& docName) override {
        writer.setTitle(QString::fromStdString(docName));
    }

private:
    std::string m_reason;
};

} // namespace

std::unique_ptr<PageDevice> PagesOn(QPagedPaintDevice& device) {
    return std::make_unique<PaintedPages>(device);
}

std::unique_ptr<PageDevice> MakePdfPageDevice(const std::string& path, const QPageSize& size,
                                              bool landscape) {
    auto pages = std::make_unique<PdfPages>(path);
    pages->Setup(size, landscape);
    return pages;
}

} // namespace lumina
