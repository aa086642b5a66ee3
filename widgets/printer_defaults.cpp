#include "widgets/printer_defaults.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace lumina {

std::optional<PrinterSettings> QueryDefaultPrinter() {
    PrinterSettings settings;
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        settings.deviceName = info.printerName().toStdString();
        return settings;
    }
    // Without a print-system printer the program prints into PDF files.
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    if (!pdf.isValid())
        return std::nullopt;
    settings.deviceName = kPdfPrinterName;
    settings.pdfFile = true;
    return settings;
}

} // namespace lumina
