// lumina-cli print: the glyph view printed into a PDF file with the print dialog's tiling, for
// batch printing of glyph sheets.
#include "cli/command.h"
#include "cli/glyph_batch.h"
#include "cli/glyph_options.h"
#include "platform/page_device.h"
#include "print/paper.h"
#include "print/print_job.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace lumina::cli {
namespace {

struct PrintOptions {
    std::optional<DisplayMode> mode;
    int W = 800;
    int H = 600;
    int paper = 9;
    int orientation = 1;
    Margins margins{25, 10, 25, 10};
    bool onePage = false;
    RangeKind range = RangeKind::All;
    int from = 1;
    int to = 1;
    std::string output;
};

bool ParseList(const std::string& text, char separator, std::vector<long>& values) {
    std::stringstream parts(text);
    std::string part;
    values.clear();
    while (std::getline(parts, part, separator)) {
        long value = 0;
        if (!ParseInt(part, value))
            return false;
        values.push_back(value);
    }
    return !text.empty() && text.back() != separator;
}

bool TakeValue(const std::string& arg, const std::string& value, PrintOptions& po) {
    std::vector<long> v;
    long n = 0;
    if (arg == "--mode")
        return ParseDisplayMode(value, po.mode);
    if (arg == "--view")
        return ParseViewSize(value, po.W, po.H);
    if (arg == "--paper") {
        if (!ParseInt(value, n) || n < 1 || n > 1000 || !PageSizeOfPaper(static_cast<int>(n)))
            return false;
        po.paper = static_cast<int>(n);
        return true;
    }
    if (arg == "--orientation") {
        if (!ParseInt(value, n) || (n != 1 && n != 2))
            return false;
        po.orientation = static_cast<int>(n);
        return true;
    }
    if (arg == "--margins") {
        if (!ParseList(value, ',', v) || v.size() != 4 ||
            std::any_of(v.begin(), v.end(), [](long m) { return m < 0 || m > kMaxMarginMm; }))
            return false;
        po.margins = {static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]),
                      static_cast<int>(v[3])};
        return true;
    }
    if (arg == "--pages") {
        if (!ParseList(value, '-', v) || v.size() != 2 || v[0] < 1 || v[1] < 1 || v[0] > 100000 ||
            v[1] > 100000)
            return false;
        po.range = RangeKind::FromTo;
        po.from = static_cast<int>(v[0]);
        po.to = static_cast<int>(v[1]);
        return true;
    }
    if (arg == "--page") {
        if (!ParseInt(value, n) || n < 1 || n > 100000)
            return false;
        po.range = RangeKind::Current;
        po.from = po.to = static_cast<int>(n);
        return true;
    }
    if (arg == "-o" && !value.empty()) {
        po.output = value;
        return true;
    }
    return false;
}

bool TakePrintOptions(const std::vector<std::string>& args, PrintOptions& po, std::string& error) {
    bool pagesGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--one-page") {
            po.onePage = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = "'" + arg + "' is not an option here, or needs a value";
            return false;
        }
        const std::string& value = args[++i];
        if (arg == "--pages" || arg == "--page") {
            if (pagesGiven) {
                error = "give --pages or --page once";
                return false;
            }
            pagesGiven = true;
        }
        if (!TakeValue(arg, value, po)) {
            error = "bad option '" + arg + " " + value + "'";
            return false;
        }
    }
    if (!po.mode || po.output.empty()) {
        error = "--mode and -o are needed";
        return false;
    }
    return true;
}

// Painting pages needs a GUI application; a batch run has no screen to show anything on.
QGuiApplication& GuiApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "lumina-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return app;
}

int RunPrint(const std::vector<std::string>& arguments) {
    std::vector<std::string> args = arguments;
    GlyphViewState state;
    std::string error;
    if (!TakeGlyphOptions(args, state.request, error))
        return UsageError("print", error);
    PrintOptions po;
    if (!TakePrintOptions(args, po, error))
        return UsageError("print", error);
    state.OrgX = po.W / 2;
    state.OrgY = po.H / 2;
    state.mode = *po.mode;
    GuiApplication();

    GlyphBatch batch;
    if (!batch.Render(state, po.W, po.H))
        return 1;
    const Surface* picture = batch.View().SurfaceOf(*po.mode);
    if (!picture)
        return Failure("the view has no picture");

    const std::unique_ptr<PageDevice> pdf =
        MakePdfPageDevice(po.output, *PageSizeOfPaper(po.paper), po.orientation == 2);
    const PrinterGeometry geometry = pdf->Geometry();
    // Margins below what the printer can reach are raised to it, as the dialog's fields do.
    const Point offset = PhysicalOffsetMm(geometry);
    Margins margins = po.margins;
    margins.left = std::max(margins.left, offset.x);
    margins.right = std::max(margins.right, offset.x);
    margins.top = std::max(margins.top, offset.y);
    margins.bottom = std::max(margins.bottom, offset.y);

    const Size view{po.W, po.H};
    const PageGrid grid = CountPages(view, picture->DpiX(), picture->DpiY(), PaperSizeMm(geometry),
                                     margins, po.onePage);
    if (po.range == RangeKind::Current && po.from > grid.Total())
        return Failure("page " + std::to_string(po.from) + " is beyond the " +
                       std::to_string(grid.Total()) + " pages");

    PrintRequest request;
    request.margins = margins;
    request.grid = grid;
    request.oneSourceSize = view;
    request.onePage = po.onePage;
    request.range = po.range;
    request.currentPage = po.from;
    request.from = po.from;
    request.to = po.to;
    int printed = 0;
    const Result<PrintOutcome> outcome =
        PrintOut("lumina-graph", *pdf, *picture, view, request, [&printed](int) { ++printed; });
    if (!outcome)
        return Report(outcome.problem());
    if (*outcome == PrintOutcome::NothingPrintable)
        return Failure("nothing to print: the range holds none of the " +
                       std::to_string(grid.Total()) + " pages; no file was written");
    std::printf("columns=%d\nrows=%d\npages=%d\n", grid.columns, grid.rows, printed);
    return 0;
}

const CommandRegistration kPrint("print", RunPrint);

} // namespace
} // namespace lumina::cli
