// Renders the manual's picture of the print dialog, previewing the example glyph's outline.
//
//   lumina-screenshots-print <images folder>
//
// A program of its own: the print dialog needs the glyph view's pictures, not the main window.
// Run through tools/make-screenshots.
#include "glyph/glyph_view.h"
#include "glyph/view_observer.h"
#include "printwin/insatu_dlg.h"
#include "program/manualgen/screenshot_kit.h"
#include "widgets/printer_defaults.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
    using namespace lumina;
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: lumina-screenshots-print <images folder>\n");
        return 2;
    }
    const QString images = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(images);
    ScreenshotKit kit(app);
    kit.WriteExampleSettings(DisplayMode::Outline);
    auto printer = QueryDefaultPrinter();
    if (!printer) {
        std::fprintf(stderr, "lumina-screenshots-print: no printer, not even a PDF file\n");
        return 1;
    }

    // The example glyph in a view the size of the main window's.
    RecordingGlyphObserver fields;
    GlyphView view(kit.GetServices(), fields);
    GlyphViewState state;
    state.request.Char = "永";
    state.request.SjisCode = 35177;
    state.request.FontName = "IPAMincho";
    state.request.FontSize = 300;
    state.mode = DisplayMode::Outline;
    if (!view.MakeSurfaces(840, 680) || !view.RefreshGlyphView(state).ok) {
        std::fprintf(stderr, "lumina-screenshots-print: the example glyph cannot be drawn\n");
        return 1;
    }

    CInsatuDlg dialog(kit.GetServices(), *printer, view, DisplayMode::Outline, nullptr);
    dialog.show();
    const bool ok = ScreenshotKit::Save(dialog, images, "print-dialog.png");
    kit.ReportMessages();
    return ok ? 0 : 1;
}
