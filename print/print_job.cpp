#include "print/print_job.h"

#include "platform/surface.h"
#include "print/printer.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace lumina {
namespace {

// Tiles are smoothed in memory up to this resolution; the printer scales the rest, which at
// this density no longer shows as steps.
constexpr float kSmoothDpi = 300.0f;

QImage SmoothTile(const QImage& picture, const Rect& source, const Rect& destination, float E,
                  int screenDpi) {
    const QImage tile = picture.copy(source.left, source.top, source.Width(), source.Height());
    const float cap = kSmoothDpi / static_cast<float>(std::max(screenDpi, 1));
    const float factor = std::min(E, std::max(cap, 1.0f));
    const int w = std::min(destination.Width(), static_cast<int>(source.Width() * factor));
    const int h = std::min(destination.Height(), static_cast<int>(source.Height() * factor));
    if (w <= 0 || h <= 0)
        return tile;
    return tile.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

Result<PrintOutcome> PrintOut(const std::string& docName, const PrinterSettings& settings,
                              const std::string& pdfPath, const Surface& picture, Size viewPx,
                              const PrintRequest& request, const std::function<void(int)>& onPage) {
    OpenedPrinter opened = OpenPrinter(settings, pdfPath);
    if (!opened)
        return PrinterProblem(opened.failure, "PrintOut");
    QPrinter& printer = *opened.printer;
    printer.setDocName(QString::fromStdString(docName));

    const PageRange pages = PagesToPrint(request.range, request.grid.Total(), request.currentPage,
                                         request.from, request.to);
    PlanInput input;
    input.printer = GeometryOf(printer);
    input.screenDpiX = picture.DpiX();
    input.margins = request.margins;
    input.grid = request.grid;
    input.viewPx = viewPx;
    input.onePage = request.onePage;
    input.oneSourceSize = request.oneSourceSize;
    const PrintPlan plan = MakePrintPlan(input);

    // The print system always puts out a first sheet once a document starts, so a range
    // without pages starts none rather than wasting a blank sheet.
    if (!plan.Printable() || pages.Count() == 0)
        return PrintOutcome::NothingPrintable;

    QPainter painter;
    if (!painter.begin(&printer)) {
        // A PDF file the user named and that cannot be written is a failure worth telling.
        if (settings.pdfFile)
            return Problem::Failed(kMsgOpenFailed, pdfPath + "\n");
        return Problem::Silent("the print system refused the document");
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage& image = picture.Image();
    bool first = true;
    for (int page = pages.first; page <= pages.last; ++page) {
        if (!first && !printer.newPage())
            break;
        first = false;
        if (onPage)
            onPage(page);
        const PageBlit blit = PageBlitOf(plan, page);
        if (blit.source.IsEmpty() || blit.destination.IsEmpty())
            continue;
        const QImage tile =
            SmoothTile(image, blit.source, blit.destination, plan.E, picture.DpiX());
        painter.drawImage(QRect(blit.destination.left, blit.destination.top,
                                blit.destination.Width(), blit.destination.Height()),
                          tile);
    }
    painter.end();
    return PrintOutcome::Printed;
}

} // namespace lumina
