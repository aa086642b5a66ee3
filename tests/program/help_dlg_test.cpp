#include "program/help_dlg.h"

#include "services/messages.h"
#include "tests/support/test_app.h"
#include "tests/support/test_services.h"

#include <QApplication>
#include <QPdfDocument>
#include <QPdfView>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace lumina {
namespace {

// The application exists before the first test.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { test::App(); }
};

[[maybe_unused]] ::testing::Environment* const kQt =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// Where the build puts the programs, and the manual beside them.
std::string BuiltExecutable() {
    const char* binary = std::getenv("LUMINA_BINARY_DIR");
    return std::string(binary ? binary : ".") + "/lumina-graph";
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

bool AnyWindowVisible() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            return true;
    }
    return false;
}

// What the viewer looked like while it was open modally, seen from inside its event loop.
struct Seen {
    bool shown = false;
    QString caption;
    bool maximised = false;
    int pages = -1;
    QPdfDocument::Status status = QPdfDocument::Status::Null;
    std::string path;
};

Seen OpenAndLook(const Services& services, const std::string& executable) {
    Seen seen;
    QTimer::singleShot(0, [&seen] {
        auto* viewer = dynamic_cast<CHelpDlg*>(QApplication::activeModalWidget());
        if (!viewer)
            return;
        seen.shown = viewer->isVisible();
        seen.caption = viewer->windowTitle();
        seen.maximised = viewer->isMaximized();
        seen.pages = viewer->Document()->pageCount();
        seen.status = viewer->Document()->status();
        seen.path = viewer->ManualPath();
        viewer->reject();
    });
    // A viewer that never opens leaves the timer pending: run it now, when no window is modal.
    OpenManualViewer(services, nullptr, MessageText(kMsgManualName), executable);
    QCoreApplication::processEvents();
    return seen;
}

class HelpDlgTest : public ::testing::Test {
protected:
    test::TestServices m_services;
};

TEST_F(HelpDlgTest, OpensTheBuiltManualMaximisedWithItsCaption) {
    const Seen seen = OpenAndLook(m_services, BuiltExecutable());
    ASSERT_TRUE(seen.shown) << "no viewer for " << BuiltExecutable();
    EXPECT_EQ(seen.caption, "Manual");
    EXPECT_TRUE(seen.maximised);
    EXPECT_EQ(seen.status, QPdfDocument::Status::Ready);
    EXPECT_GT(seen.pages, 1);
    EXPECT_TRUE(m_services.Prompter().Messages().empty());
    EXPECT_FALSE(AnyWindowVisible());
}

TEST_F(HelpDlgTest, MissingManualIsReportedOnceAndNothingStaysOpen) {
    const std::string executable = m_services.Dir().File("bin/lumina-graph");
    std::filesystem::create_directories(m_services.Dir().File("bin"));

    const Seen seen = OpenAndLook(m_services, executable);
    EXPECT_FALSE(seen.shown);
    ASSERT_EQ(m_services.Prompter().Messages().size(), 1u);
    const auto& box = m_services.Prompter().Messages()[0];
    EXPECT_EQ(box.text, MessageText(kMsgNoManual));
    EXPECT_EQ(box.caption, "lumina-graph");
    EXPECT_EQ(box.style, kInfoOk);
    EXPECT_FALSE(AnyWindowVisible());
}

TEST_F(HelpDlgTest, ExecutableWithoutFolderClosesSilently) {
    const Seen seen = OpenAndLook(m_services, "lumina-graph");
    EXPECT_FALSE(seen.shown);
    EXPECT_TRUE(m_services.Prompter().Messages().empty());
    EXPECT_FALSE(AnyWindowVisible());
}

TEST_F(HelpDlgTest, UnreadableManualOpensAnEmptyViewerWithoutMessage) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty file", ""},
        {"not a PDF", "this is not a PDF file\n"},
        {"truncated PDF", "%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 2 0 R >>\nendobj\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_services.Prompter().Clear();
        WriteFile(m_services.Dir().File("bin/Manual.pdf"), c.bytes);
        const Seen seen = OpenAndLook(m_services, m_services.Dir().File("bin/lumina-graph"));
        EXPECT_TRUE(seen.shown);
        EXPECT_EQ(seen.pages, 0);
        EXPECT_TRUE(m_services.Prompter().Messages().empty());
    }
}

TEST_F(HelpDlgTest, FindsTheManualInFoldersWithJapaneseNames) {
    // In Shift_JIS the trail byte of ソ is a backslash; the folder's end must not be taken
    // from inside a character.
    const std::string folder = m_services.Dir().File("ソフト表");
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(std::filesystem::path(BuiltExecutable()).parent_path() /
                                   "Manual.pdf",
                               folder + "/Manual.pdf");

    const Seen seen = OpenAndLook(m_services, folder + "/lumina-graph");
    EXPECT_TRUE(seen.shown);
    EXPECT_GT(seen.pages, 1);
    EXPECT_TRUE(m_services.Prompter().Messages().empty());
    EXPECT_EQ(ManualPathBeside("/lumina-graph", "Manual"), "/Manual.pdf");
}

TEST_F(HelpDlgTest, FindsTheInstalledManualAndPrefersTheOneBesideTheProgram) {
    const std::string built =
        (std::filesystem::path(BuiltExecutable()).parent_path() / "Manual.pdf").string();
    const std::string garbage = "this is not a PDF file\n";
    struct Case {
        const char* name;
        bool beside;    // a file beside the executable: the real manual, or an unreadable
                        // one when the real one is installed too
        bool installed; // the real manual in share/lumina-graph
        const char* endsWith;
    };
    const Case cases[] = {
        {"installed only", false, true, "/bin/../share/lumina-graph/Manual.pdf"},
        {"beside only", true, false, "/bin/Manual.pdf"},
        {"both: beside wins", true, true, "/bin/Manual.pdf"},
    };
    int tree = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_services.Prompter().Clear();
        const std::string prefix = m_services.Dir().File("tree" + std::to_string(++tree));
        std::filesystem::create_directories(prefix + "/bin");
        std::filesystem::create_directories(prefix + "/share/lumina-graph");
        if (c.installed)
            std::filesystem::copy_file(built, prefix + "/share/lumina-graph/Manual.pdf");
        if (c.beside && c.installed)
            WriteFile(prefix + "/bin/Manual.pdf", garbage);
        else if (c.beside)
            std::filesystem::copy_file(built, prefix + "/bin/Manual.pdf");

        const Seen seen = OpenAndLook(m_services, prefix + "/bin/lumina-graph");
        ASSERT_TRUE(seen.shown);
        if (c.beside && c.installed)
            EXPECT_EQ(seen.pages, 0);
        else
            EXPECT_GT(seen.pages, 1);
        EXPECT_TRUE(seen.path.ends_with(c.endsWith)) << seen.path;
        EXPECT_TRUE(m_services.Prompter().Messages().empty());
    }
    EXPECT_EQ(ManualPathInstalled("/usr/bin/lumina-graph", "Manual"),
              "/usr/bin/../share/lumina-graph/Manual.pdf");
    EXPECT_EQ(ManualPathInstalled("lumina-graph", "Manual"), "");
}

TEST_F(HelpDlgTest, CtrlWheelZoomsAndPlainWheelDoesNot) {
    CHelpDlg viewer(m_services, BuiltExecutable());
    ASSERT_TRUE(viewer.Initialise());
    viewer.show();
    QWidget* viewport = viewer.View()->viewport();
    const QPointF at(viewport->width() / 2.0, viewport->height() / 2.0);

    auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
    };

    // Zooming a fitted page goes on from the size shown, one step of 25 % per notch.
    viewer.View()->setZoomMode(QPdfView::ZoomMode::FitInView);
    const double start = viewer.ShownZoom();
    ASSERT_LT(start, 0.9);
    wheel(120, Qt::ControlModifier);
    const double zoomedIn = viewer.View()->zoomFactor();
    EXPECT_NEAR(zoomedIn, start * 1.25, 0.02);
    EXPECT_EQ(viewer.View()->zoomMode(), QPdfView::ZoomMode::Custom);
    wheel(-240, Qt::ControlModifier);
    EXPECT_LT(viewer.View()->zoomFactor(), zoomedIn);
    const double before = viewer.View()->zoomFactor();
    wheel(120, Qt::NoModifier);
    EXPECT_DOUBLE_EQ(viewer.View()->zoomFactor(), before);

    for (int i = 0; i < 40; ++i)
        wheel(-120, Qt::ControlModifier);
    EXPECT_GE(viewer.View()->zoomFactor(), 0.1 - 1e-9);
}

TEST_F(HelpDlgTest, PageNavigationStaysWithinTheDocument) {
    CHelpDlg viewer(m_services, BuiltExecutable());
    ASSERT_TRUE(viewer.Initialise());
    viewer.show();
    const int pages = viewer.Document()->pageCount();
    ASSERT_GT(pages, 1);

    EXPECT_EQ(viewer.CurrentPage(), 1);
    viewer.GoToPage(2);
    EXPECT_EQ(viewer.CurrentPage(), 2);
    viewer.GoToPage(pages + 5);
    EXPECT_EQ(viewer.CurrentPage(), pages);
    viewer.GoToPage(0);
    EXPECT_EQ(viewer.CurrentPage(), 1);
}

} // namespace
} // namespace lumina
