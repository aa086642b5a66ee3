#include "program/tavrin_app.h"

#include "services/messages.h"
#include "services/settings_store.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumina {
namespace {

// Start-up with every surrounding replaced, recording the order of what happens.
class StartupTest : public ::testing::Test {
protected:
    CTavrinApp::Environment Environment() {
        CTavrinApp::Environment env;
        env.display = [this] {
            m_events.push_back("display");
            DisplayInfo info;
            info.depth = m_depth;
            return info;
        };
        env.openSettings = [this](const std::string& company, const std::string& application) {
            m_events.push_back("settings " + company + "/" + application);
            auto store = std::make_unique<SettingsStore>(m_dir.File("store.ini"));
            for (const auto& [key, value] : m_stored)
                store->WriteInt("Insatu", key, value);
            return store;
        };
        env.defaultPrinter = [this]() -> std::optional<PrinterSettings> {
            m_events.push_back("printer");
            if (!m_hasPrinter)
                return std::nullopt;
            return PrinterSettings{"PDF", true, 1, 1};
        };
        env.applyStandardLook = [this] { m_events.push_back("look"); };
        env.runMainWindow = [this](CTavrinApp& app) {
            m_events.push_back("main window");
            m_printerSeen = app.Printer();
        };
        return env;
    }

    void RecordMessages() {
        for (const auto& box : m_prompter.Messages())
            m_boxes.push_back(box.text);
    }

    test::TempDir m_dir;
    ScriptedPrompter m_prompter;
    test::NoFontSystem m_fonts;
    int m_depth = 24;
    bool m_hasPrinter = true;
    std::vector<std::pair<std::string, int>> m_stored;
    std::vector<std::string> m_events;
    std::vector<std::string> m_boxes;
    PrinterSettings m_printerSeen;
};

TEST_F(StartupTest, RunsItsStepsInOrderAndThenTheMainWindow) {
    CTavrinApp app("lumina-graph", m_prompter, m_fonts, Environment());
    EXPECT_FALSE(app.InitInstance());
    const std::vector<std::string> expected{"display", "settings Morvaneth/lumina-graph", "look",
                                            "printer", "main window"};
    EXPECT_EQ(m_events, expected);
    EXPECT_TRUE(m_prompter.Messages().empty());
    EXPECT_EQ(app.GetServices().appName, "lumina-graph");
}

TEST_F(StartupTest, LowColourDisplayWarnsFirstAndGoesOn) {
    m_depth = 8;
    CTavrinApp app("lumina-graph", m_prompter, m_fonts, Environment());
    app.InitInstance();
    ASSERT_EQ(m_prompter.Messages().size(), 1u);
    EXPECT_EQ(m_prompter.Messages()[0].text, MessageText(kMsgLowColour));
    EXPECT_EQ(m_prompter.Messages()[0].style, kInfoOk);
    EXPECT_EQ(m_prompter.Messages()[0].caption, "lumina-graph");
    EXPECT_EQ(m_prompter.Messages()[0].owner, nullptr);
    EXPECT_TRUE(app.MainWindowRan());
}

TEST_F(StartupTest, NoPrinterAtAllEndsBeforeTheMainWindow) {
    m_hasPrinter = false;
    CTavrinApp app("lumina-graph", m_prompter, m_fonts, Environment());
    EXPECT_FALSE(app.InitInstance());
    EXPECT_FALSE(app.MainWindowRan());
    ASSERT_EQ(m_prompter.Messages().size(), 1u);
    EXPECT_EQ(m_prompter.Messages()[0].text, "プリンタの初期化に失敗しました");
    EXPECT_EQ(m_prompter.Messages()[0].style, kErrorOk);
}

TEST_F(StartupTest, StoredPaperAndOrientationReachThePrinter) {
    const struct {
        int paper, orientation;
        int expectedOrientation;
    } cases[] = {{9, 1, 1}, {8, 2, 2}, {11, 0, 1}, {70, 3, 1}, {-4, -1, 1}};
    for (const auto& c : cases) {
        m_stored = {{"PaperSize", c.paper}, {"Orientation", c.orientation}};
        CTavrinApp app("lumina-graph", m_prompter, m_fonts, Environment());
        app.InitInstance();
        EXPECT_EQ(m_printerSeen.paperSize, c.paper);
        EXPECT_EQ(m_printerSeen.orientation, c.expectedOrientation) << c.orientation;
    }
}

TEST_F(StartupTest, FirstRunUsesA4PortraitAndWritesNothing) {
    CTavrinApp app("lumina-graph", m_prompter, m_fonts, Environment());
    app.InitInstance();
    EXPECT_EQ(m_printerSeen.paperSize, 9);
    EXPECT_EQ(m_printerSeen.orientation, 1);
    SettingsStore store(m_dir.File("store.ini"));
    EXPECT_FALSE(store.Contains("Insatu", "PaperSize"));
    EXPECT_FALSE(store.Contains("Insatu", "Orientation"));
}

} // namespace
} // namespace lumina
