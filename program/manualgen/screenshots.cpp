// Renders the manual's pictures of the main window and the manual viewer with the program's own
// windows on the offscreen platform.
//
//   lumina-screenshots <images folder> <build folder holding Manual.pdf>
//
// Run through tools/make-screenshots.
#include "glyph/last_settings.h"
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

    // The study switches of the view's menu, each on the example: the curves with their control
    // points, the font's own points, the unhinted outline beneath the hinted one and the pixel
    // grid at a small size where hinting shows, and the numbers of a dense glyph kept apart.
    SettingsStore& settings = kit.Settings();
    const struct {
        const char* file;
        void (*settings)(SettingsStore&);
    } studies[] = {
        {"main-curves.png", [](SettingsStore& s) { last::DspCurve.Write(s, true); }},
        {"main-font-points.png",
         [](SettingsStore& s) {
             last::DspFontPt.Write(s, true);
             last::DspCurve.Write(s, true);
         }},
        {"main-hinting-compare.png",
         [](SettingsStore& s) {
             last::HintMode.Write(s, static_cast<int>(Hinting::Compare));
             last::DspCurve.Write(s, true);
             last::FontSize.Write(s, 20);
             last::Zoom.Write(s, 16);
         }},
        {"main-bitmap-grid.png",
         [](SettingsStore& s) {
             last::DspMode.Write(s, static_cast<int>(DisplayMode::Bitmap));
             last::FontSize.Write(s, 20);
             last::Zoom.Write(s, 16);
         }},
        {"main-spread-numbers.png",
         [](SettingsStore& s) {
             last::Char.Write(s, "鬱");
             last::SjisCode.Write(s, 0x9F54);
             last::DspNoSpread.Write(s, true);
         }},
        // The typesetting items of the same menu: IPAゴシック over the example's outline, the
        // frames of the face's tables in the drawing, and ー as vertical text sets it.
        {"main-compare.png",
         [](SettingsStore& s) {
             last::DspCompare.Write(s, true);
             last::CompareFont.Write(s, "IPAGothic");
         }},
        {"main-frames.png",
         [](SettingsStore& s) {
             last::DspMode.Write(s, static_cast<int>(DisplayMode::Drawing));
             last::DspFrames.Write(s, true);
             last::FontSize.Write(s, 150);
         }},
        {"main-vertical.png",
         [](SettingsStore& s) {
             last::DspMode.Write(s, static_cast<int>(DisplayMode::Drawing));
             last::DspVertical.Write(s, true);
             last::Char.Write(s, "ー");
             last::SjisCode.Write(s, 0x815B);
             last::FontSize.Write(s, 150);
         }},
    };
    for (const auto& study : studies) {
        kit.WriteExampleSettings(DisplayMode::Outline);
        study.settings(settings);
        CTavrinDlg window(kit.GetServices(), *printer);
        window.show();
        ok = ScreenshotKit::Save(window, images, study.file) && ok;
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
