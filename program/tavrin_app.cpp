#include "program/tavrin_app.h"

#include "print/print_settings.h"
#include "services/messages.h"
#include "services/settings_store.h"

namespace lumina {

CTavrinApp::CTavrinApp(std::string appName, Prompter& prompter, FontSystem& fonts,
                       Environment environment)
    : m_appName(std::move(appName))
    , m_prompter(prompter)
    , m_fonts(fonts)
    , m_environment(std::move(environment)) {}

CTavrinApp::~CTavrinApp() = default;

bool CTavrinApp::InitInstance() {
    const DisplayInfo display = m_environment.display();
    if (display.depth < 16)
        ShowMessageById(m_prompter, m_appName, nullptr, "", kMsgLowColour, kInfoOk);

    m_settings = m_environment.openSettings(kCompanyKey, m_appName);
    m_services = std::make_unique<Services>(Services{
        {m_fonts, display.format, display.dpiX, display.dpiY}, m_appName, *m_settings, m_prompter});

    if (m_environment.applyStandardLook)
        m_environment.applyStandardLook();

    const auto printer = m_environment.defaultPrinter();
    if (!printer) {
        ShowMessageById(*m_services, nullptr, "", kMsgPrinterInit, kErrorOk);
        return false;
    }
    m_printer = *printer;
    LoadPrinterChoice(*m_settings, m_printer);

    m_mainWindowRan = true;
    m_environment.runMainWindow(*this);
    return false;
}

} // namespace lumina
