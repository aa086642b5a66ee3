// Every key of section "Last" holding an extreme or malformed value, alone and all at once: the
// main window still opens on the desktop with its state within the limits it draws with.
#include "glyph/last_settings.h"
#include "tests/mainwin/window_fixture.h"
#include "tests/support/hostile_settings.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace lumina::test {
namespace {

class MainWindowSettingsFuzz : public MainWindowTest,
                               public ::testing::WithParamInterface<HostileValue> {
protected:
    void OpenWith(const std::vector<SettingKey>& keys) {
        m_services = MakeServicesWithFonts();
        for (const SettingKey& key : keys)
            GetParam().WriteTo(Settings(), key);
        CTavrinDlg& window = OpenShown();
        ASSERT_TRUE(window.Opened());
        const QRect desktop = QGuiApplication::primaryScreen()->availableVirtualGeometry();
        EXPECT_TRUE(TitleBarReachable(window.frameGeometry(), desktop));
        const QSize least = window.MinimumWindowSize();
        EXPECT_LE(window.width(), std::max(desktop.width(), least.width()));
        EXPECT_LE(window.height(), std::max(desktop.height(), least.height()));

        const GlyphViewState& state = window.State();
        const Rect view = window.ViewRect();
        EXPECT_EQ(window.View().Width(), view.Width());
        EXPECT_EQ(window.View().Height(), view.Height());
        EXPECT_GE(state.OrgX, 0);
        EXPECT_LE(state.OrgX, view.Width());
        EXPECT_GE(state.OrgY, 0);
        EXPECT_LE(state.OrgY, view.Height());
        // The view's own limit on the radius applies from the first resize on, as before.
        EXPECT_GE(state.RoundR, 30);
        EXPECT_LE(state.RoundR, 400);
        EXPECT_GE(state.request.FontSize, 1);
        EXPECT_LE(state.request.FontSize, 1000);
        EXPECT_GE(state.request.FontDeg, 0);
        EXPECT_LE(state.request.FontDeg, 360);
        Close();
    }
};

TEST_P(MainWindowSettingsFuzz, OpensOnTheDesktopWithinItsLimits) {
    const std::vector<SettingKey> keys = LastSettingKeys();
    for (const SettingKey& key : keys) {
        SCOPED_TRACE(std::string(key.key));
        OpenWith({key});
    }
    SCOPED_TRACE("every key");
    OpenWith(keys);
}

INSTANTIATE_TEST_SUITE_P(Last, MainWindowSettingsFuzz, ::testing::ValuesIn(HostileValues()),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace lumina::test
