#pragma once

#include "glyph/glyph_view.h"
#include "platform/font.h"
#include "services/placement_settings.h"
#include "services/scripted_prompter.h"
#include "services/services.h"
#include "services/settings_store.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

class QApplication;
class QWidget;

namespace lumina {

// What the screenshot programs share: the program's look, a font system, and services over a
// temporary settings file (never the user's) whose prompter answers every box by itself.
class ScreenshotKit {
public:
    // extraFontFiles are made known to the font system besides the installed fonts.
    explicit ScreenshotKit(QApplication& app, const std::vector<std::string>& extraFontFiles = {});

    const Services& GetServices() const { return *m_services; }
    SettingsStore& Settings() { return *m_settings; }
    const ScriptedPrompter& Prompter() const { return m_prompter; }

    // The example every picture shows: 永, whose strokes hold every basic brush movement, in
    // the given display mode, the windows at fixed sizes.
    void WriteExampleSettings(DisplayMode displayMode);
    // The window at the desktop's top-left corner, width x height outside.
    static void WritePlacement(SettingsStore& settings, const PlacementSettings& rows, int width,
                               int height);
    // Lets the window settle and saves it as folder/name; says what it made.
    static bool Save(QWidget& window, const QString& folder, const char* name);
    // Reports the messages the windows showed (none is expected).
    void ReportMessages() const;

private:
    std::unique_ptr<FontSystem> m_fonts;
    QTemporaryDir m_home;
    std::unique_ptr<SettingsStore> m_settings;
    ScriptedPrompter m_prompter;
    std::unique_ptr<Services> m_services;
};

} // namespace lumina
