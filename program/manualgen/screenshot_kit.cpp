#include "program/manualgen/screenshot_kit.h"

#include "glyph/last_settings.h"
#include "platform/display.h"
#include "platform/freetype_font_system.h"
#include "print/print_settings.h"
#include "widgets/ui_setup.h"

#include <QApplication>
#include <QPixmap>
#include <QThread>
#include <QWidget>

#include <cstdio>

namespace lumina {

ScreenshotKit::ScreenshotKit(QApplication& app, const std::vector<std::string>& extraFontFiles)
    : m_fonts(MakeFreeTypeFontSystem(extraFontFiles)) {
    LoadJapaneseTranslations(app);
    ApplyStandardLook(app, *m_fonts);
    m_settings = std::make_unique<SettingsStore>(
        m_home.filePath(QStringLiteral("lumina-graph.ini")).toStdString());
    const DisplayInfo display = QueryDisplay();
    m_services =
        std::make_unique<Services>(Services{{*m_fonts, display.format, display.dpiX, display.dpiY},
                                            "lumina-graph",
                                            *m_settings,
                                            m_prompter});
}

void ScreenshotKit::WriteExampleSettings(DisplayMode displayMode) {
    SettingsStore& settings = *m_settings;
    last::Char.Write(settings, "永");
    last::SjisCode.Write(settings, 35177);
    last::FontName.Write(settings, "IPAMincho");
    last::FontSize.Write(settings, 300);
    last::DspMode.Write(settings, static_cast<int>(displayMode));
    // The actual drawing with its whole construction inside the view.
    last::OrgX.Write(settings, 230);
    last::OrgY.Write(settings, 110);
    // The study switches off, whatever a picture before set.
    for (const BoolSetting& row : {last::DspCurve, last::DspFontPt, last::DspNoSpread,
                                   last::DspCompare, last::DspFrames, last::DspVertical})
        row.Write(settings, false);
    for (const IntSetting& row : {last::HintMode, last::PanX, last::PanY})
        row.Write(settings, 0);
    last::Zoom.Write(settings, 1);
    WritePlacement(settings, last::Placement, 1100, 760);
    insatu::DspYohaku.Write(settings, 1);
    WritePlacement(settings, insatu::Placement, 900, 620);
}

void ScreenshotKit::WritePlacement(SettingsStore& settings, const PlacementSettings& rows,
                                   int width, int height) {
    rows.PX.Write(settings, 0);
    rows.PY.Write(settings, 0);
    rows.SX.Write(settings, width);
    rows.SY.Write(settings, height);
}

bool ScreenshotKit::Save(QWidget& window, const QString& folder, const char* name) {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
    const QString path = folder + QLatin1Char('/') + QString::fromUtf8(name);
    const bool saved = window.grab().save(path, "PNG");
    std::printf("%s %s (%dx%d)\n", saved ? "made" : "FAILED", qPrintable(path), window.width(),
                window.height());
    return saved;
}

void ScreenshotKit::ReportMessages() const {
    for (const auto& box : m_prompter.Messages())
        std::printf("message shown: %s\n", box.text.c_str());
}

} // namespace lumina
