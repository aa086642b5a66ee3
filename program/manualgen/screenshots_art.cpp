// Renders the manual's picture of the character-art window, making art of the raccoon
// photograph the tests use.
//
//   lumina-screenshots-art <images folder> <picture>
//
// A program of its own, so that it needs only the art window. Run through tools/make-screenshots.
#include "art/settings.h"
#include "artwin/zoviv_dlg.h"
#include "program/manualgen/screenshot_kit.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    using namespace lumina;
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: lumina-screenshots-art <images folder> <picture>\n");
        return 2;
    }
    const QString images = QString::fromLocal8Bit(argv[1]);
    const std::string picture = argv[2];
    QDir().mkpath(images);
    ScreenshotKit kit(app);
    SettingsStore& settings = kit.Settings();
    zoviv::Font.text.Write(settings, "IPAGothic");
    zoviv::Font.number.Write(settings, 10);
    zoviv::Zoom.Write(settings, 0);
    ScreenshotKit::WritePlacement(settings, zoviv::Placement, 1100, 760);

    const std::string type = QFileInfo(QString::fromStdString(picture)).suffix().toStdString();
    CZovivDlg window(kit.GetServices(), picture, type);
    if (!window.Opened()) {
        std::fprintf(stderr, "lumina-screenshots-art: the window could not open %s\n",
                     picture.c_str());
        kit.ReportMessages();
        return 1;
    }
    window.show();
    // The first run starts once the window has been shown; wait for it, within reason.
    for (int i = 0; i < 600 && window.RunCount() == 0; ++i) {
        QApplication::processEvents();
        QThread::msleep(50);
    }
    const bool ok = window.RunCount() > 0 && ScreenshotKit::Save(window, images, "art-window.png");
    if (window.RunCount() == 0)
        std::fprintf(stderr, "lumina-screenshots-art: no art was made\n");
    kit.ReportMessages();
    return ok ? 0 : 1;
}
