// Renders the manual's pictures of the character-art window, making art of the raccoon
// photograph the tests use: the window, the window set to keep the picture's tones, and the
// monochrome art without and with the tone stretched.
//
//   lumina-screenshots-art <images folder> <picture>
//
// A program of its own, so that it needs only the art window. Run through tools/make-screenshots.
#include "art/engine.h"
#include "art/settings.h"
#include "art/settings_grid.h"
#include "artwin/zoviv_dlg.h"
#include "image/source_picture.h"
#include "platform/surface.h"
#include "program/manualgen/screenshot_kit.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <cstdio>
#include <string>

namespace lumina {
namespace {

// Opens the window, waits for its first run and saves it.
bool ShootWindow(ScreenshotKit& kit, const std::string& picture, const QString& images,
                 const char* name) {
    const std::string type = QFileInfo(QString::fromStdString(picture)).suffix().toStdString();
    CZovivDlg window(kit.GetServices(), picture, type);
    if (!window.Opened()) {
        std::fprintf(stderr, "lumina-screenshots-art: the window could not open %s\n",
                     picture.c_str());
        return false;
    }
    window.show();
    // The first run starts once the window has been shown; wait for it, within reason.
    for (int i = 0; i < 600 && window.RunCount() == 0; ++i) {
        QApplication::processEvents();
        QThread::msleep(50);
    }
    if (window.RunCount() == 0) {
        std::fprintf(stderr, "lumina-screenshots-art: no art was made\n");
        return false;
    }
    return ScreenshotKit::Save(window, images, name);
}

// Monochrome art of the picture at the window's settings in a tone mode, scaled to a width that
// the manual's page holds.
bool SaveToneArt(ScreenshotKit& kit, const std::string& path, ToneMode tone, const QString& file) {
    SourcePicture picture;
    picture.path = path;
    picture.type = QFileInfo(QString::fromStdString(path)).suffix().toStdString();
    Problems problems;
    if (!LoadSourcePicture(kit.GetServices(), picture, problems))
        return false;
    ArtEngine engine(kit.GetServices());
    engine.SetPicture(&picture);
    ArtSettings& s = engine.Settings();
    s.FontName = "IPAGothic";
    s.FontSize = 10;
    s.Mono = 1;
    s.Tone = static_cast<int>(tone);
    if (!engine.Run({}, false))
        return false;
    // Black on white: grey levels keep the file small.
    const QImage art = engine.LastCompleted()
                           ->art->Image()
                           .scaledToWidth(440, Qt::SmoothTransformation)
                           .convertToFormat(QImage::Format_Grayscale8);
    const bool saved = art.save(file);
    std::printf("made %s (%dx%d)\n", file.toLocal8Bit().constData(), art.width(), art.height());
    return saved;
}

} // namespace
} // namespace lumina

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

    bool ok = ShootWindow(kit, picture, images, "art-window.png");

    // The tone settings in view: the groups above them folded, monochrome, stretched, live.
    for (const std::string& title :
         {std::string(kGroupPicture), std::string(kGroupFont), ClassGroupTitle(true)})
        GroupStateRow(title).Write(settings, 0);
    zoviv::Mono.number.Write(settings, 1);
    zoviv::Tone.number.Write(settings, static_cast<int>(ToneMode::Stretch));
    zoviv::AutoUpdate.Write(settings, true);
    ok = ShootWindow(kit, picture, images, "art-window-tone.png") && ok;

    ok = SaveToneArt(kit, picture, ToneMode::None, images + "/art-tone-none.png") && ok;
    ok = SaveToneArt(kit, picture, ToneMode::Stretch, images + "/art-tone-stretch.png") && ok;
    kit.ReportMessages();
    return ok ? 0 : 1;
}
