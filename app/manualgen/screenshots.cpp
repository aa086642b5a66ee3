// Renders the manual's screenshots with the program's own windows on the offscreen platform.
//
//   lumina-screenshots <images folder> <build folder holding Manual.pdf>
//
// Run through tools/make-screenshots. Settings live in a temporary INI file, never the user's.
#include "app/scripted_prompter.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "app/ui/help_dlg.h"
#include "mainwin/tavrin_dlg.h"
#include "platform/display.h"
#include "platform/font.h"
#include "platform/widgets/printer_defaults.h"
#include "platform/widgets/ui_setup.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <string>

namespace lumina {
namespace {

// The example every picture shows: 永, whose strokes cover every basic brush movement.
void WriteExampleSettings(SettingsStore& settings, int displayMode) {
    settings.WriteString("Last", "Char", "永");
    settings.WriteInt("Last", "SJIS-Code", 35177);
    settings.WriteString("Last", "FontName", "IPAMincho");
    settings.WriteInt("Last", "FontSize", 300);
    settings.WriteInt("Last", "DspMode", displayMode);
    // The actual drawing with its whole construction inside the view.
    settings.WriteInt("Last", "OrgX", 230);
    settings.WriteInt("Last", "OrgY", 110);
    settings.WriteInt("Last", "PX", 0);
    settings.WriteInt("Last", "PY", 0);
    settings.WriteInt("Last", "SX", 1100);
    settings.WriteInt("Last", "SY", 760);
    settings.WriteInt("Insatu", "DspYohaku", 1);
    settings.WriteInt("Insatu", "PX", 0);
    settings.WriteInt("Insatu", "PY", 0);
    settings.WriteInt("Insatu", "SX", 900);
    settings.WriteInt("Insatu", "SY", 620);
}

void Settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

bool Save(QWidget& window, const QString& folder, const char* name) {
    Settle();
    const QString path = folder + QLatin1Char('/') + QString::fromUtf8(name);
    const bool saved = window.grab().save(path, "PNG");
    std::printf("%s %s (%dx%d)\n", saved ? "made" : "FAILED", qPrintable(path), window.width(),
                window.height());
    return saved;
}

} // namespace
} // namespace lumina

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
    LoadJapaneseTranslations(app);
    const auto fonts = MakeFreeTypeFontSystem();
    ApplyStandardLook(app, *fonts);

    QTemporaryDir home;
    SettingsStore settings(home.filePath(QStringLiteral("lumina-graph.ini")).toStdString());
    ScriptedPrompter prompter;
    const DisplayInfo display = QueryDisplay();
    const Services services{"lumina-graph", settings,     prompter,    *fonts,
                            display.format, display.dpiX, display.dpiY};
    auto printer = QueryDefaultPrinter();
    if (!printer) {
        std::fprintf(stderr, "lumina-screenshots: no printer, not even a PDF file\n");
        return 1;
    }

    bool ok = true;
    const struct {
        int mode;
        const char* file;
    } views[] = {{1, "main-window.png"}, {2, "main-bitmap.png"}, {3, "main-drawing.png"}};
    for (const auto& view : views) {
        WriteExampleSettings(settings, view.mode);
        CTavrinDlg window(services, *printer);
        window.show();
        ok = Save(window, images, view.file) && ok;
    }

    CHelpDlg viewer(services, build + "/lumina-graph");
    if (viewer.Initialise()) {
        viewer.setWindowState(Qt::WindowNoState);
        viewer.resize(1000, 700);
        viewer.show();
        ok = Save(viewer, images, "manual-viewer.png") && ok;
    } else {
        std::printf("not made: manual-viewer.png (no Manual.pdf in %s)\n", build.c_str());
    }
    // The print dialog and the main window cannot yet be linked into one program (both define
    // LampIcon), and the character-art window is not part of the build yet.
    std::printf("not made: print-dialog.png (the print dialog cannot be linked with the main "
                "window yet)\n");
    std::printf("not made: art-window.png (the character-art window is not part of this build)\n");
    if (!prompter.Messages().empty())
        std::printf("messages shown: %zu, first: %s\n", prompter.Messages().size(),
                    prompter.Messages()[0].text.c_str());
    return ok ? 0 : 1;
}
