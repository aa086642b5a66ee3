// Renders the manual's pictures of characters beyond code page 932: 𠮟 in IPAMincho, the code
// panel of a variation sequence, and that sequence's own glyph in the fixture font that has one
// (no font that Debian installs by default has variation sequences).
//
//   lumina-screenshots-unicode <images folder> <fixture font LuminaTestUni.ttf>
//
// Run through tools/make-screenshots.
#include "glyph/last_settings.h"
#include "mainwin/char_codes_dlg.h"
#include "mainwin/tavrin_dlg.h"
#include "program/manualgen/screenshot_kit.h"
#include "widgets/printer_defaults.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <string>

namespace lumina {
namespace {

// The example settings with another character and face.
void WriteCharacter(ScreenshotKit& kit, const char* text, const char* codePoints,
                    const char* face) {
    kit.WriteExampleSettings(DisplayMode::Outline);
    last::Char.Write(kit.Settings(), text);
    last::Unicode.Write(kit.Settings(), codePoints);
    last::FontName.Write(kit.Settings(), face);
}

} // namespace
} // namespace lumina

int main(int argc, char** argv) {
    using namespace lumina;
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: lumina-screenshots-unicode <images folder> <font file>\n");
        return 2;
    }
    const QString images = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(images);
    ScreenshotKit kit(app, {argv[2]});
    auto printer = QueryDefaultPrinter();
    if (!printer) {
        std::fprintf(stderr, "lumina-screenshots-unicode: no printer, not even a PDF file\n");
        return 1;
    }

    bool ok = true;
    WriteCharacter(kit, "𠮟", "U+20B9F", "IPAMincho");
    {
        CTavrinDlg window(kit.GetServices(), *printer);
        window.show();
        ok = ScreenshotKit::Save(window, images, "main-unicode.png") && ok;
    }
    WriteCharacter(kit, "葛\U000E0100", "U+845B + U+E0100", "Lumina Test Uni");
    {
        CTavrinDlg window(kit.GetServices(), *printer);
        window.show();
        ok = ScreenshotKit::Save(window, images, "main-variation.png") && ok;
        window.OpenCodePanel();
        ok = ScreenshotKit::Save(*window.CodePanel(), images, "code-panel.png") && ok;
    }
    kit.ReportMessages();
    return ok ? 0 : 1;
}
