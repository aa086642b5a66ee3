// Every key of section "Insatu" holding an extreme or malformed value, alone and all at once: the
// print dialog still opens on the desktop with margins and pages it can print.
#include "print/print_settings.h"
#include "printwin/insatu_dlg.h"
#include "tests/print/print_fixture.h"
#include "tests/support/hostile_settings.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <algorithm>

namespace lumina {
namespace {

class PrintDialogSettingsFuzz : public ::testing::TestWithParam<test::HostileValue> {
protected:
    void SetUp() override { test::App(); }

    void OpenWith(const std::vector<SettingKey>& keys) {
        test::TestServices services;
        for (const SettingKey& key : keys)
            GetParam().WriteTo(services.Settings(), key);
        // The application hands the dialog the stored paper and orientation.
        PrinterSettings printer = test::PdfPrinter();
        LoadPrinterChoice(services.Settings(), printer);
        const test::TestPictures pictures(600, 500, Rect{100, 100, 150, 150});
        CInsatuDlg dialog(services, printer, pictures.Pictures(), DisplayMode::Drawing, nullptr);
        dialog.show();
        QCoreApplication::processEvents();

        const QRect desktop = QGuiApplication::primaryScreen()->availableVirtualGeometry();
        EXPECT_TRUE(test::TitleBarReachable(dialog.frameGeometry(), desktop));
        EXPECT_LE(dialog.width(), std::max(desktop.width(), dialog.minimumWidth()));
        EXPECT_LE(dialog.height(), std::max(desktop.height(), dialog.minimumHeight()));
        EXPECT_TRUE(printer.orientation == 1 || printer.orientation == 2);
        const Margins& m = dialog.CurrentMargins();
        for (const int margin : {m.left, m.right, m.top, m.bottom}) {
            EXPECT_GE(margin, 0);
            EXPECT_LE(margin, kMaxMarginMm);
        }
        EXPECT_TRUE(dialog.HasLayout());
        EXPECT_GE(dialog.TotalPages(), 1);
        EXPECT_GE(dialog.CurrentPage(), 1);
        EXPECT_LE(dialog.CurrentPage(), dialog.TotalPages());
        dialog.reject();
    }
};

TEST_P(PrintDialogSettingsFuzz, OpensOnTheDesktopWithPrintableChoices) {
    const std::vector<SettingKey> keys = InsatuSettingKeys();
    for (const SettingKey& key : keys) {
        SCOPED_TRACE(std::string(key.key));
        OpenWith({key});
    }
    SCOPED_TRACE("every key");
    OpenWith(keys);
}

INSTANTIATE_TEST_SUITE_P(Insatu, PrintDialogSettingsFuzz,
                         ::testing::ValuesIn(test::HostileValues()),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace lumina
