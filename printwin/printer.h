#pragma once

#include "platform/page_device.h"
#include "print/page_layout.h"
#include "services/printer_settings.h"
#include "services/problem.h"

#include <QPrinter>

#include <memory>
#include <string>
#include <string_view>

namespace lumina {

enum class PrinterFailure {
    None,
    NoObject,  // the printer object could not be made
    NotOpened, // the print system does not know the printer
};

struct OpenedPrinter {
    std::unique_ptr<QPrinter> printer;
    PrinterFailure failure = PrinterFailure::None;
    explicit operator bool() const { return printer != nullptr; }
};

// A printer set up from the application's printer settings: the print system's printer of that
// name, or a PDF-file printer writing pdfPath; paper and orientation from the settings (a paper
// number without a sheet keeps the printer's own paper).
OpenedPrinter OpenPrinter(const PrinterSettings& settings, const std::string& pdfPath = {});

// Resolution, sheet and unprintable border of the printer's current paper, printer pixels.
PrinterGeometry GeometryOf(QPrinter& printer);

// Where a print goes: the pages of the print system's printer, or of the PDF file pdfPath for
// the PDF-file printer (written only when its document ends well).
struct OpenedPages {
    std::unique_ptr<QPrinter> printer; // the print system's printer; none for a PDF file
    std::unique_ptr<PageDevice> pages;
    PrinterFailure failure = PrinterFailure::None;
    explicit operator bool() const { return pages != nullptr; }
};
OpenedPages OpenPages(const PrinterSettings& settings, const std::string& pdfPath = {});

// Takes the printer's name, paper and orientation back into the settings (after the setup
// dialog).
void ReadBackSettings(const QPrinter& printer, PrinterSettings& settings);

// Message 30064 with the prefix naming the failure and the step, "new CDC At <where>\n" or
// "CreateDC At <where>\n".
Problem PrinterProblem(PrinterFailure failure, std::string_view where);

} // namespace lumina
