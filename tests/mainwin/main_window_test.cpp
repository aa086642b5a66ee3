#include "tests/mainwin/window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lumina::test {
namespace {

TEST_F(MainWindowTest, FirstStartShowsTheDefaultsAndWritesNothing) {
    CTavrinDlg& window = Open();
    EXPECT_TRUE(window.Opened());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ルミナ・グラフ（文字情報分析ソフト）"));
    EXPECT_EQ(Child<QLineEdit>("charField")->text(), QStringLiteral("あ"));
    EXPECT_EQ(Child<QLineEdit>("codeField")->text(), QStringLiteral("33440"));
    EXPECT_EQ(Child<QLabel>("codeDisplay")->text(), QStringLiteral("(0x82A0)"));
    const GlyphViewState& state = window.State();
    EXPECT_EQ(state.request.FontSize, 300);
    EXPECT_EQ(state.request.FontDeg, 0);
    EXPECT_EQ(state.mode, DisplayMode::Outline);
    EXPECT_TRUE(Child<QPushButton>("mode1")->isChecked());
    EXPECT_FALSE(Child<QPushButton>("mode2")->isChecked());
    for (const auto& sw : ViewOptions::Switches()) {
        EXPECT_TRUE(state.options.*sw.member) << sw.key;
        EXPECT_TRUE(Child<QCheckBox>(std::string(sw.key).c_str())->isChecked()) << sw.key;
    }
    const Rect view = window.ViewRect();
    EXPECT_EQ(state.OrgX, view.Width() / 2);
    EXPECT_EQ(state.OrgY, view.Height() / 2);
    EXPECT_EQ(state.RoundR, 100);
    EXPECT_EQ(window.pos(), QPoint(0, 0));
    EXPECT_EQ(window.size(), window.MinimumWindowSize());
    EXPECT_EQ(window.minimumSize(), window.MinimumWindowSize());
    // The view keeps its 5-pixel margins.
    EXPECT_EQ(view.right, window.width() - 5);
    EXPECT_EQ(view.bottom, window.height() - 5);

    // The default face is none of this machine's: the list shows what it resolves to.
    const auto resolved = GetServices().fonts.Resolve(LogicalFont{"MS UI Gothic"});
    ASSERT_TRUE(resolved);
    EXPECT_EQ(Child<QComboBox>("fontList")->currentText().toStdString(), resolved->family);
    EXPECT_EQ(state.request.FontName, resolved->family);

    for (const char* key : {"Char", "SJIS-Code", "FontName", "FontSize", "OrgX", "OrgY", "RoundR",
                            "DspMode", "PX", "Zoomed"})
        EXPECT_FALSE(Stored(key)) << key;
    EXPECT_TRUE(Prompter().Messages().empty());

    Close();
    EXPECT_EQ(Last("PX"), 0);
    EXPECT_EQ(Last("PY"), 0);
    EXPECT_EQ(Last("Zoomed"), 0);
    EXPECT_GT(Last("SX"), 0);
}

TEST_F(MainWindowTest, RefreshFillsTheCountsAndMetricFields) {
    Open();
    EXPECT_NE(Child<QLabel>("counts")->text(), QStringLiteral("88888"));
    EXPECT_TRUE(Child<QLabel>("counts")->text().contains(QLatin1Char('(')));
    EXPECT_TRUE(Child<QLabel>("inkRatio")->text().endsWith(QLatin1Char('%')));
    for (const char* name : {"gmBlackBoxX", "gmBlackBoxY", "gmCellIncX", "tmHeight", "tmAscent",
                             "tmDescent", "tmWeight"}) {
        const QString text = Child<QLabel>(name)->text();
        EXPECT_NE(text, QStringLiteral("888888888")) << name;
        EXPECT_FALSE(text.isEmpty()) << name;
    }
    EXPECT_EQ(Child<QLabel>("tmWeight")->text(), QStringLiteral("400"));
}

TEST_F(MainWindowTest, StoredFaceNotInstalledLeavesTheFontEmpty) {
    Settings().WriteString("Last", "FontName", "No Such Face");
    CTavrinDlg& window = Open();
    EXPECT_EQ(window.State().request.FontName, "");
    EXPECT_EQ(Child<QComboBox>("fontList")->currentIndex(), -1);
    // The code commands then refuse with 30022.
    Child<QLineEdit>("codeField")->setText(QStringLiteral("65"));
    Child<QToolButton>("applyCode")->click();
    ASSERT_EQ(Prompter().Messages().size(), 1u);
    EXPECT_EQ(Prompter().Messages()[0].text, "フォントが指定されていません");
}

TEST_F(MainWindowTest, FontListNamesAreDrawnInTheirOwnFaces) {
    Open();
    auto* list = Child<QComboBox>("fontList");
    ASSERT_GT(list->count(), 0);
    for (int i = 0; i < list->count(); ++i) {
        const QFont face = list->itemData(i, Qt::FontRole).value<QFont>();
        EXPECT_EQ(face.family(), list->itemText(i));
    }
}

TEST_F(MainWindowTest, OriginBeyondTheViewIsWrittenBackAtOpening) {
    Store("OrgX", 5000);
    Store("OrgY", 7);
    CTavrinDlg& window = Open();
    const int w = window.ViewRect().Width();
    EXPECT_EQ(window.State().OrgX, w - 20);
    EXPECT_EQ(Last("OrgX"), w - 20);
    EXPECT_EQ(window.State().OrgY, 7);
    EXPECT_EQ(Last("OrgY"), 7);
}

TEST_F(MainWindowTest, StoredValuesBeyondTheirLimitsAreClamped) {
    // An edited store must not make the dial endless nor the font enormous.
    Store("RoundR", 2000000000);
    Store("FontSize", 100000);
    Store("FontDeg", -40);
    CTavrinDlg& window = Open();
    EXPECT_EQ(window.State().RoundR, 400);
    EXPECT_EQ(Last("RoundR"), 400);
    EXPECT_EQ(window.State().request.FontSize, 1000);
    EXPECT_EQ(window.State().request.FontDeg, 0);
}

TEST_F(MainWindowTest, ResizeFollowsOnlyTenPixelChanges) {
    Store("SX", 1200);
    Store("SY", 760);
    CTavrinDlg& window = OpenShown();
    const Rect before = window.ViewRect();
    EXPECT_EQ(before.right, 1200 - 5);
    EXPECT_EQ(window.View().Width(), before.Width());

    window.resize(1200 - 9, 760 - 9);
    QApplication::processEvents();
    EXPECT_EQ(window.ViewRect(), before);
    EXPECT_EQ(window.View().Width(), before.Width());
    EXPECT_EQ(ViewWidget()->width(), before.Width());

    window.resize(1200 - 10, 760 - 9);
    QApplication::processEvents();
    EXPECT_EQ(window.ViewRect().Width(), before.Width() - 10);
    EXPECT_EQ(window.ViewRect().Height(), before.Height() - 9);
    EXPECT_EQ(window.View().Width(), before.Width() - 10);
    EXPECT_EQ(window.View().Height(), before.Height() - 9);
    EXPECT_EQ(ViewWidget()->size(), QSize(before.Width() - 10, before.Height() - 9));
}

TEST_F(MainWindowTest, ShrinkingClampsTheRadiusAndTheOrigin) {
    Store("SX", 1300);
    Store("SY", 900);
    Store("RoundR", 380);
    Store("DspMode", 3);
    CTavrinDlg& window = OpenShown();
    EXPECT_EQ(window.State().RoundR, 380);
    // Put the origin far right in the large view.
    const Rect large = window.ViewRect();
    Press({large.left + window.State().OrgX, large.top + window.State().OrgY});
    Release({large.left + 1000, large.top + 100});
    ASSERT_EQ(window.State().OrgX, 1000);

    window.resize(window.MinimumWindowSize());
    QApplication::processEvents();
    const Rect view = window.ViewRect();
    const int half = std::min(view.Width(), view.Height()) / 2;
    ASSERT_LT(half, 380);
    EXPECT_EQ(window.State().RoundR, half);
    EXPECT_EQ(Last("RoundR"), half);
    EXPECT_EQ(window.State().OrgX, view.Width() - 20);
    EXPECT_EQ(Last("OrgX"), view.Width() - 20);
    EXPECT_EQ(window.State().OrgY, 100);
}

TEST_F(MainWindowTest, WindowCannotBeSmallerThanItsOpeningSize) {
    CTavrinDlg& window = OpenShown();
    const QSize minimum = window.MinimumWindowSize();
    window.resize(300, 200);
    QApplication::processEvents();
    EXPECT_EQ(window.size(), minimum);
}

TEST_F(MainWindowTest, PlacementIsRestoredAndWrittenAtClosing) {
    Store("PX", 30);
    Store("PY", 40);
    Store("SX", 1100);
    Store("SY", 700);
    CTavrinDlg& window = OpenShown();
    // The stored size is the outer one, frame included.
    EXPECT_EQ(window.frameGeometry(), QRect(30, 40, 1100, 700));
    window.move(50, 60);
    window.resize(QSize(1150, 720) - (window.frameGeometry().size() - window.size()));
    QApplication::processEvents();
    Close();
    EXPECT_EQ(Last("PX"), 50);
    EXPECT_EQ(Last("PY"), 60);
    EXPECT_EQ(Last("SX"), 1150);
    EXPECT_EQ(Last("SY"), 720);
    EXPECT_EQ(Last("Zoomed"), 0);
}

TEST_F(MainWindowTest, PlacementOffTheDesktopKeepsTheDefaultPlace) {
    Store("PX", 100000);
    Store("SX", 1200);
    CTavrinDlg& window = Open();
    EXPECT_EQ(window.size(), window.MinimumWindowSize());
}

TEST_F(MainWindowTest, NegativePositionIsStoredAsZero) {
    Store("PX", -40);
    Store("PY", -15);
    CTavrinDlg& window = OpenShown();
    EXPECT_EQ(window.pos(), QPoint(-40, -15));
    Close();
    EXPECT_EQ(Last("PX"), 0);
    EXPECT_EQ(Last("PY"), 0);
}

TEST_F(MainWindowTest, MaximisedWindowStoresZoomedAndItsRestoredRectangle) {
    Store("PX", 20);
    Store("PY", 30);
    Store("SX", 1010);
    Store("SY", 670);
    Store("Zoomed", 1);
    CTavrinDlg& window = OpenShown();
    EXPECT_TRUE(window.isMaximized());
    Close();
    EXPECT_EQ(Last("Zoomed"), 1);
    EXPECT_EQ(Last("PX"), 20);
    EXPECT_EQ(Last("PY"), 30);
    EXPECT_EQ(Last("SX"), 1010);
    EXPECT_EQ(Last("SY"), 670);

    // The next start places the window there and maximises it again.
    CTavrinDlg& again = Open();
    EXPECT_TRUE(again.windowState().testFlag(Qt::WindowMaximized));
    EXPECT_EQ(again.normalGeometry().size(), QSize(1010, 670));
}

TEST_F(MainWindowTest, AngleFromTheWheelIsNotStored) {
    CTavrinDlg& window = OpenShown();
    // The angle spin writes its angle; the wheel's change is not written.
    Child<SpinField>("angleSpin")->UpButton()->click();
    EXPECT_EQ(Last("FontDeg"), 1);
    Wheel({Centre().x, Centre().y + window.State().RoundR}, 120);
    EXPECT_EQ(window.State().request.FontDeg, 351);
    EXPECT_EQ(Child<SpinField>("angleSpin")->Field()->text(), QStringLiteral("351"));
    Close();
    EXPECT_EQ(Last("FontDeg"), 1);
    CTavrinDlg& again = Open();
    EXPECT_EQ(again.State().request.FontDeg, 1);
    EXPECT_EQ(Child<SpinField>("angleSpin")->Field()->text(), QStringLiteral("1"));
}

TEST_F(MainWindowTest, EnterDoesNothingAndEscapeCloses) {
    CTavrinDlg& window = OpenShown();
    Child<QLineEdit>("charField")->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(Child<QLineEdit>("charField"), &enter);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(Stored("PX"));

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&window, &escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_TRUE(Stored("PX"));
}

} // namespace
} // namespace lumina::test
