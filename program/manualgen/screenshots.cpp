// Renders the manual's pictures of the main window and the manual viewer with the program's own
// windows on the offscreen platform.
//
//   lumina-screenshots <images folder> <build folder holding Manual.pdf>
//
// Run through tools/make-screenshots.
#include "mainwin/tavrin_dlg.h"
#include "program/help_dlg.h"
#include "program/manualgen/screenshot_kit.h"
#include "widgets/printer_defaults.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    using namespace lumina;
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: lumina-screenshots <images folder> <build folder>\n");
        return 2;
    }
    const QString images = QString::fromLocal8Bit(argv[1]);
    const std::string build = argv[2];
    QDir().mkpath(images);
    ScreenshotKit kit(app);
    auto printer = QueryDefaultPrinter();
    if (!printer) {
        std::fprintf(stderr, "lumina-screenshots: no printer, not even a PDF file\n");
        return 1;
    }

    bool ok = true;
    const struct {
        DisplayMode mode;
        const char* file;
    } views[] = {{DisplayMode::Outline, "main-window.png"},
                 {DisplayMode::Bitmap, "main-bitmap.png"},
                 {DisplayMode::Drawing, "main-drawing.png"}};
    for (const auto& view : views) {
        kit.WriteExampleSettings(view.mode);
        CTavrinDlg window(kit.GetServices(), *printer);
        window.show();
        ok = ScreenshotKit::Save(window, images, view.file) && ok;
    }

    CHelpDlg viewer(kit.GetServices(), build + "/lumina-graph");
    if (viewer.Initialise()) {
        viewer.setWindowState(Qt::WindowNoState);
        viewer.resize(1000, 700);
        viewer.show();
        ok = ScreenshotKit::Save(viewer, images, "manual-viewer.png") && ok;
    } else {
        std::printf("not made: manual-viewer.png (no Manual.pdf in %s)\n", build.c_str());
    }
    kit.ReportMessages();
    return ok ? 0 : 1;
}
