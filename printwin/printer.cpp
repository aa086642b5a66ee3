#include "printwin/printer.h"

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

PrinterGeometry GeometryOf(QPrinter& printer) {
    return PagesOn(printer)->Geometry();
}

OpenedPages OpenPages(const PrinterSettings& settings, const std::string& pdfPath) {
    OpenedPages opened;
    if (settings.pdfFile) {
        const QPageSize size =
            PageSizeOfPaper(settings.paperSize).value_or(QPageSize(QPageSize::A4));
        opened.pages = MakePdfPageDevice(pdfPath, size, settings.orientation == 2);
        return opened;
    }
    OpenedPrinter printer = OpenPrinter(settings);
    opened.failure = printer.failure;
    if (!printer)
        return opened;
    opened.printer = std::move(printer.printer);
    opened.pages = PagesOn(*opened.printer);
    return opened;
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
