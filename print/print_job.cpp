#include "print/print_job.h"

#include "platform/page_device.h"
#include "platform/surface.h"

namespace lumina {
namespace {

// A PDF file that cannot be written is a failure worth telling, with its path; what the print
// system refuses it tells the user itself.
Problem DeviceFailure(const PageDevice& device, std::string what) {
    if (!device.FilePath().empty())
        return Problem::Failed(kMsgOpenFailed, device.FilePath() + "\n", std::move(what));
    return Problem::Silent(std::move(what));
}

} // namespace

Result<PrintOutcome> PrintOut(const std::string& docName, PageDevice& device,
                              const Surface& picture, Size viewPx, const PrintRequest& request,
                              const std::function<void(int)>& onPage) {
    const PageRange pages = PagesToPrint(request.range, request.grid.Total(), request.currentPage,
                                         request.from, request.to);
    PlanInput input;
    input.printer = device.Geometry();
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

    if (!device.Begin(docName))
        return DeviceFailure(device, "the document could not be started");
    for (int page = pages.first; page <= pages.last; ++page) {
        if (page != pages.first && !device.NewPage()) {
            device.End();
            return DeviceFailure(device, "page " + std::to_string(page) + " was refused");
        }
        if (onPage)
            onPage(page);
        const PageBlit blit = PageBlitOf(plan, page);
        if (blit.source.IsEmpty() || blit.destination.IsEmpty())
            continue;
        device.DrawPicture(picture, blit.source, blit.destination, plan.E);
    }
    if (!device.End()) {
        const std::string reason = device.FailureReason();
        return DeviceFailure(device,
                             reason.empty() ? "the document could not be completed" : reason);
    }
    return PrintOutcome::Printed;
}

} // namespace lumina
