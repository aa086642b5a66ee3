#include "program/manualgen/screenshot_kit.h"

#include "platform/display.h"
#include "widgets/ui_setup.h"

#include <QApplication>
#include <QPixmap>
#include <QThread>
#include <QWidget>

#include <cstdio>

namespace lumina {

ScreenshotKit::ScreenshotKit(QApplication& app)
    : m_fonts(MakeFreeTypeFontSystem()) {
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

void ScreenshotKit::WriteExampleSettings(int displayMode) {
    SettingsStore& settings = *m_settings;
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
