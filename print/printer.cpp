#include "print/printer.h"

#include "print/paper.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace lumina {

OpenedPrinter OpenPrinter(const PrinterSettings& settings, const std::string& pdfPath) {
    OpenedPrinter opened;
    if (!settings.pdfFile &&
        QPrinterInfo::printerInfo(QString::fromStdString(settings.deviceName)).isNull()) {
        opened.failure = PrinterFailure::NotOpened;
        return opened;
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (settings.pdfFile) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(pdfPath));
    } else {
        printer->setPrinterName(QString::fromStdString(settings.deviceName));
    }
    if (!printer->isValid()) {
        opened.failure = PrinterFailure::NoObject;
        return opened;
    }
    if (const auto size = PageSizeOfPaper(settings.paperSize))
        printer->setPageSize(*size);
    printer->setPageOrientation(settings.orientation == 2 ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait);
    opened.printer = std::move(printer);
    return opened;
}

PrinterGeometry GeometryOf(const QPrinter& printer) {
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    PrinterGeometry geometry;
    geometry.dpiX = printer.logicalDpiX();
    geometry.dpiY = printer.logicalDpiY();
    geometry.physicalWidth = static_cast<int>(std::lround(paper.width()));
    geometry.physicalHeight = static_cast<int>(std::lround(paper.height()));
    geometry.offsetX = static_cast<int>(std::lround(page.left() - paper.left()));
    geometry.offsetY = static_cast<int>(std::lround(page.top() - paper.top()));
    return geometry;
}

void ReadBackSettings(const QPrinter& printer, PrinterSettings& settings) {
    if (!settings.pdfFile && !printer.printerName().isEmpty())
        settings.deviceName = printer.printerName().toStdString();
    settings.paperSize = PaperNumberOf(printer.pageLayout().pageSize());
    settings.orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
}

Problem PrinterProblem(PrinterFailure failure, std::string_view where) {
    std::string prefix = failure == PrinterFailure::NoObject ? "new CDC At " : "CreateDC At ";
    prefix += where;
    prefix += "\n";
    return Problem::Failed(kMsgPrinterDc, std::move(prefix));
}

} // namespace lumina
