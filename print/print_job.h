#pragma once

#include "platform/geometry.h"
#include "print/page_layout.h"
#include "print/print_plan.h"
#include "services/printer_settings.h"
#include "services/prompter.h"

#include <functional>
#include <string>

namespace lumina {

struct Services;
class Surface;

// What the print dialog hands the job.
struct PrintRequest {
    Margins margins;
    PageGrid grid;
    Size oneSourceSize;
    bool onePage = false;
    RangeKind range = RangeKind::All;
    int currentPage = 1;
    int from = 1;
    int to = 1;
};

enum class PrintOutcome {
    Printed,
    PrinterFailed,   // 30064 was shown
    DocumentRefused, // the print system would not start the document
    NothingPrintable,
};

// Prints the view picture page by page on the application's printer (a PDF-file printer
// writes pdfPath). onPage is told each page number as it is printed.
PrintOutcome PrintOut(const Services& services, Owner owner, const PrinterSettings& settings,
                      const std::string& pdfPath, const Surface& picture, Size viewPx,
                      const PrintRequest& request, const std::function<void(int)>& onPage = {});

} // namespace lumina
