#pragma once

#include "platform/display.h"
#include "services/printer_settings.h"
#include "services/prompter.h"
#include "services/services.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace lumina {

class SettingsStore;

// The application object: start-up order, the settings store rooted at the company key, the
// printer defaults, and the main window run modally.
class CTavrinApp {
public:
    static constexpr const char* kCompanyKey = "Morvaneth";

    // What start-up asks of its surroundings; tests replace each part.
    struct Environment {
        std::function<DisplayInfo()> display;
        std::function<std::unique_ptr<SettingsStore>(const std::string& company,
                                                     const std::string& application)>
            openSettings;
        std::function<std::optional<PrinterSettings>()> defaultPrinter;
        std::function<void()> applyStandardLook;
        std::function<void(CTavrinApp&)> runMainWindow;
    };

    CTavrinApp(std::string appName, Prompter& prompter, FontSystem& fonts, Environment environment);
    ~CTavrinApp();

    // Runs start-up and the main window; always false: no message loop follows.
    bool InitInstance();

    const std::string& AppName() const { return m_appName; }
    // Valid from the company key on (step 3 of start-up).
    const Services& GetServices() const { return *m_services; }
    PrinterSettings& Printer() { return m_printer; }
    bool MainWindowRan() const { return m_mainWindowRan; }

private:
    std::string m_appName;
    Prompter& m_prompter;
    FontSystem& m_fonts;
    Environment m_environment;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<Services> m_services;
    PrinterSettings m_printer;
    bool m_mainWindowRan = false;
};

} // namespace lumina
