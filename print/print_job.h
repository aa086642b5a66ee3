#pragma once

#include "platform/geometry.h"
#include "print/page_layout.h"
#include "print/print_plan.h"
#include "services/problem.h"

#include <functional>
#include <string>

namespace lumina {

class Surface;
class PageDevice;

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
    NothingPrintable, // no page of the range has anything to print: no document was started
};

// Prints the view picture page by page on the device as a document named docName. onPage is
// told each page number as it is printed. The problem: 30016 after the path when a PDF file
// cannot be written, a silent one (with the cause) when the print system refuses the document
// or a page.
Result<PrintOutcome> PrintOut(const std::string& docName, PageDevice& device,
                              const Surface& picture, Size viewPx, const PrintRequest& request,
                              const std::function<void(int)>& onPage = {});

} // namespace lumina
