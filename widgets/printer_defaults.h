#pragma once

#include "services/printer_settings.h"

#include <optional>

namespace lumina {

inline constexpr const char* kPdfPrinterName = "PDF";

// The print system's default destination with its paper; when there is none, a PDF-file
// printer, so that the program can always print. nullopt only when neither can be had.
std::optional<PrinterSettings> QueryDefaultPrinter();

} // namespace lumina
