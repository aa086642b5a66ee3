#pragma once

#include <string>

namespace lumina {

// The application's printer: kept for the whole run; the print dialog changes it in place.
struct PrinterSettings {
    std::string deviceName; // the print system's destination, or the PDF-file printer's name
    bool pdfFile = false;   // no print-system printer: print into a PDF file
    int paperSize = 9;      // platform paper number (9: A4)
    int orientation = 1;    // 1 portrait, 2 landscape
};

} // namespace lumina
