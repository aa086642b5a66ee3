// Lumina Graph: a desktop tool for studying how a font draws one character.
#include "artwin/zoviv_dlg.h"
#include "mainwin/tavrin_dlg.h"
#include "platform/display.h"
#include "platform/font.h"
#include "printwin/insatu_dlg.h"
#include "program/help_dlg.h"
#include "program/program_docs.h"
#include "program/tavrin_app.h"
#include "services/settings_store.h"
#include "widgets/printer_defaults.h"
#include "widgets/qt_prompter.h"
#include "widgets/ui_setup.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char** argv) {
    // --help and --version answer on the terminal and never open a window.
    if (const auto code = lumina::AnswerCommandLine(argc, argv, LUMINA_VERSION))
        return *code;
    QApplication app(argc, argv);
    lumina::LoadJapaneseTranslations(app);

    const auto fonts = lumina::MakeFreeTypeFontSystem();
    lumina::QtPrompter prompter;
    // The application name is the executable's base name: the settings sub-key and the caption
    // of every message.
    const std::string appName =
        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();

    lumina::CTavrinApp::Environment environment;
    environment.display = [] { return lumina::QueryDisplay(); };
    environment.openSettings = [](const std::string& company, const std::string& application) {
        return std::make_unique<lumina::SettingsStore>(company, application);
    };
    environment.defaultPrinter = [] { return lumina::QueryDefaultPrinter(); };
    environment.applyStandardLook = [&] { lumina::ApplyStandardLook(app, *fonts); };
    environment.runMainWindow = [](lumina::CTavrinApp& theApp) {
        lumina::CTavrinDlg dialog(theApp.GetServices(), theApp.Printer());
        dialog.SetManualHook([&](const std::string& manualName) {
            lumina::CHelpDlg help(theApp.GetServices(),
                                  QCoreApplication::applicationFilePath().toStdString(), &dialog);
            help.SetManualName(manualName);
            help.exec();
        });
        dialog.SetPrintHook([&] {
            lumina::CInsatuDlg(theApp.GetServices(), dialog.Printer(), dialog.PrintView(),
                               dialog.State().mode, &dialog)
                .exec();
        });
        dialog.SetCharacterArtHook([&](const std::string& path, const std::string& type) {
            lumina::CZovivDlg(theApp.GetServices(), path, type, &dialog).exec();
        });
        dialog.exec();
    };

    lumina::CTavrinApp theApp(appName, prompter, *fonts, std::move(environment));
    theApp.InitInstance();
    return 0;
}
