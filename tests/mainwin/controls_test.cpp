#include "tests/mainwin/window_fixture.h"

#include "mainwin/about_dlg.h"
#include "services/messages.h"
#include "widgets/images.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

namespace lumina::test {
namespace {

bool SameIcon(const QIcon& a, const QIcon& b) {
    return a.pixmap(16, 16).toImage() == b.pixmap(16, 16).toImage();
}

TEST_F(MainWindowTest, ModeButtonsActAsOneGroupWithLamps) {
    CTavrinDlg& window = OpenShown();
    auto* outline = Child<QPushButton>("mode1");
    auto* bitmap = Child<QPushButton>("mode2");
    EXPECT_TRUE(SameIcon(outline->icon(), LampIcon(true)));
    EXPECT_TRUE(SameIcon(bitmap->icon(), LampIcon(false)));
    EXPECT_FALSE(SameIcon(LampIcon(true), LampIcon(false)));

    bitmap->click();
    EXPECT_EQ(window.State().mode, DisplayMode::Bitmap);
    EXPECT_EQ(Last("DspMode"), 2);
    EXPECT_TRUE(bitmap->isChecked());
    EXPECT_FALSE(outline->isChecked());
    EXPECT_TRUE(SameIcon(bitmap->icon(), LampIcon(true)));
    EXPECT_TRUE(SameIcon(outline->icon(), LampIcon(false)));

    // Pressing the current mode's button changes nothing and keeps it lit.
    Settings().WriteInt("Last", "DspMode", 77);
    bitmap->click();
    EXPECT_TRUE(bitmap->isChecked());
    EXPECT_EQ(Last("DspMode"), 77);
}

TEST_F(MainWindowTest, ModeSwitchRepaintsTheViewFromTheOtherSurface) {
    CTavrinDlg& window = OpenShown();
    const Point corner{window.ViewRect().left + 3, window.ViewRect().top + 3};
    Child<QPushButton>("mode3")->click();
    const Surface* drawing = window.View().SurfaceOf(DisplayMode::Drawing);
    ASSERT_NE(drawing, nullptr);
    const Point origin{window.State().OrgX, window.State().OrgY};
    EXPECT_EQ(ScreenPixel({window.ViewRect().left + origin.x, window.ViewRect().top + origin.y}),
              QtColour(drawing->PixelAt(origin)));
    EXPECT_EQ(ScreenPixel(corner), qRgb(255, 255, 255));
}

TEST_F(MainWindowTest, UnknownStoredModeShowsTheDrawingAndLightsItsLamp) {
    Store("DspMode", 4);
    CTavrinDlg& window = OpenShown();
    EXPECT_EQ(window.State().mode, DisplayMode::Drawing);
    for (const char* name : {"mode1", "mode2", "mode3"}) {
        const bool lit = std::string(name) == "mode3";
        EXPECT_EQ(Child<QPushButton>(name)->isChecked(), lit) << name;
        EXPECT_TRUE(SameIcon(Child<QPushButton>(name)->icon(), LampIcon(lit))) << name;
    }
    // The drawing-origin marker at the origin is the drawing surface's.
    const Point origin{window.State().OrgX, window.State().OrgY};
    EXPECT_EQ(ScreenPixel({window.ViewRect().left + origin.x, window.ViewRect().top + origin.y}),
              qRgb(0, 160, 224));
}

TEST_F(MainWindowTest, SwitchesAndFlagsAreWrittenAtOnce) {
    CTavrinDlg& window = Open();
    for (const auto& sw : ViewOptions::Switches()) {
        Child<QCheckBox>(std::string(sw.key).c_str())->click();
        EXPECT_FALSE(window.State().options.*sw.member) << sw.key;
        EXPECT_EQ(Last(std::string(sw.key).c_str()), 0) << sw.key;
    }
    Child<QCheckBox>("bold")->click();
    Child<QCheckBox>("italic")->click();
    EXPECT_EQ(window.State().request.FontBold, 1);
    EXPECT_EQ(Last("FontBold"), 1);
    EXPECT_EQ(Last("FontItalic"), 1);
    Close();
    CTavrinDlg& again = Open();
    EXPECT_EQ(again.State().options.DspCenter, 0);
    EXPECT_FALSE(Child<QCheckBox>("DspNo")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>("bold")->isChecked());
}

TEST_F(MainWindowTest, SpinsStopAtTheirLimits) {
    Store("FontSize", 1000);
    CTavrinDlg& window = Open();
    auto* size = Child<SpinField>("sizeSpin");
    auto* angle = Child<SpinField>("angleSpin");
    size->UpButton()->click();
    EXPECT_EQ(window.State().request.FontSize, 1000);
    EXPECT_EQ(Last("FontSize"), 1000);
    size->DownButton()->click();
    EXPECT_EQ(window.State().request.FontSize, 999);
    EXPECT_EQ(size->Field()->text(), QStringLiteral("999"));
    angle->DownButton()->click();
    EXPECT_EQ(window.State().request.FontDeg, 0);
    EXPECT_EQ(Last("FontDeg"), 0);

    // Typing changes nothing until the apply button takes it, clamped.
    size->Field()->setText(QStringLiteral("1500"));
    angle->Field()->setText(QStringLiteral("400"));
    EXPECT_EQ(window.State().request.FontSize, 999);
    Child<QToolButton>("applyChar")->click();
    EXPECT_EQ(window.State().request.FontSize, 1000);
    EXPECT_EQ(window.State().request.FontDeg, 360);
    EXPECT_EQ(Last("FontDeg"), 360);
    // At 360 the angle spin's next step is limited to its range.
    angle->UpButton()->click();
    EXPECT_EQ(window.State().request.FontDeg, 359);
}

TEST_F(MainWindowTest, ZeroButtonResetsTheAngleWithoutStoringIt) {
    Store("FontDeg", 45);
    CTavrinDlg& window = Open();
    Child<QPushButton>("zeroAngle")->click();
    EXPECT_EQ(window.State().request.FontDeg, 0);
    EXPECT_EQ(Child<SpinField>("angleSpin")->Field()->text(), QStringLiteral("0"));
    EXPECT_EQ(Last("FontDeg"), 45);
}

TEST_F(MainWindowTest, CentreButtonPutsTheOriginBack) {
    Store("OrgX", 12);
    Store("OrgY", 34);
    CTavrinDlg& window = Open();
    Child<QToolButton>("centre")->click();
    EXPECT_EQ(window.State().OrgX, window.ViewRect().Width() / 2);
    EXPECT_EQ(Last("OrgY"), window.ViewRect().Height() / 2);
}

TEST_F(MainWindowTest, ApplyingACharacterUpdatesCodeFieldsAndCounts) {
    CTavrinDlg& window = Open();
    auto* counts = Child<QLabel>("counts");
    const QString before = counts->text();
    Child<QLineEdit>("charField")->setText(QStringLiteral("漢"));
    Child<QToolButton>("applyChar")->click();
    EXPECT_EQ(window.State().request.SjisCode, 35519);
    EXPECT_EQ(Child<QLineEdit>("codeField")->text(), QStringLiteral("35519"));
    EXPECT_EQ(Child<QLabel>("codeDisplay")->text(), QStringLiteral("(0x8ABF)"));
    EXPECT_EQ(Last("SJIS-Code"), 35519);
    EXPECT_NE(counts->text(), before);

    Child<QToolButton>("nextCode")->click();
    EXPECT_EQ(window.State().request.SjisCode, 35520);
    Child<QToolButton>("prevCode")->click();
    EXPECT_EQ(Child<QLineEdit>("charField")->text(), QStringLiteral("漢"));
    // Typing a code shows its hex form before it is applied.
    Child<QLineEdit>("codeField")->setText(QStringLiteral("256"));
    EXPECT_EQ(Child<QLabel>("codeDisplay")->text(), QStringLiteral("(0x0100)"));
}

TEST_F(MainWindowTest, EmptyFontChoiceShowsMessage30022AndWritesNothing) {
    CTavrinDlg& window = Open();
    Child<QComboBox>("fontList")->setCurrentIndex(-1);
    ASSERT_EQ(Prompter().Messages().size(), 1u);
    EXPECT_EQ(Prompter().Messages()[0].text, "フォントが指定されていません");
    EXPECT_EQ(Prompter().Messages()[0].style, kInfoOk);
    EXPECT_FALSE(Stored("FontName"));
    EXPECT_EQ(window.State().request.FontName, "");

    auto* list = Child<QComboBox>("fontList");
    list->setCurrentIndex(list->count() - 1);
    EXPECT_EQ(Settings().ReadString("Last", "FontName", ""), list->currentText().toStdString());
}

void Drop(QWidget* target, const QString& path) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    // The drop goes to the widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

TEST_F(MainWindowTest, DroppedPicturesOpenTheArtWindowOthersAreRefused) {
    CTavrinDlg& window = Open();
    std::vector<std::pair<std::string, std::string>> opened;
    window.SetCharacterArtHook(
        [&](const std::string& path, const std::string& type) { opened.emplace_back(path, type); });
    auto* art = Child<QToolButton>("characterArt");
    EXPECT_TRUE(art->acceptDrops());

    Drop(art, QStringLiteral("/tmp/写真/Photo.JPG"));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].first, "/tmp/写真/Photo.JPG");
    EXPECT_EQ(opened[0].second, "jpeg");

    // A long path is handed over whole, not cut to a fixed buffer.
    const QString deep =
        QStringLiteral("/tmp/") + QString(300, QLatin1Char('d')) + QStringLiteral("/picture.png");
    Drop(art, deep);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1].first, deep.toStdString());
    EXPECT_EQ(opened[1].second, "png");

    Drop(art, QStringLiteral("/tmp/notes.txt"));
    EXPECT_EQ(opened.size(), 2u);
    ASSERT_EQ(Prompter().Messages().size(), 1u);
    EXPECT_EQ(Prompter().Messages()[0].text, "/tmp/notes.txt\nイメージ以外はセットできません");
    EXPECT_EQ(Prompter().Messages()[0].style, kInfoOk);
}

TEST_F(MainWindowTest, ArtButtonAsksForAPicture) {
    CTavrinDlg& window = Open();
    std::vector<std::string> types;
    window.SetCharacterArtHook(
        [&](const std::string&, const std::string& type) { types.push_back(type); });
    Prompter().QueueFileName(std::nullopt);
    Prompter().QueueFileName("/tmp/a.tiff");
    auto* art = Child<QToolButton>("characterArt");
    art->click();
    EXPECT_TRUE(types.empty());
    art->click();
    EXPECT_EQ(types, std::vector<std::string>{"tiff"});
    ASSERT_EQ(Prompter().FileDialogs().size(), 2u);
    const FileDialogRequest& dialog = Prompter().FileDialogs()[0];
    EXPECT_EQ(dialog.mode, FileDialogRequest::Mode::Open);
    EXPECT_EQ(dialog.title, "原本イメージファイルを指定");
    EXPECT_EQ(dialog.filter.rfind("イメージファイル(jpeg, gif, bmp, png, tiff) |*.jpg;", 0), 0u);
    EXPECT_EQ(dialog.defaultExtension, "");
    EXPECT_EQ(dialog.defaultName, "");
}

TEST_F(MainWindowTest, PrintManualAndExitButtons) {
    CTavrinDlg& window = OpenShown();
    int prints = 0;
    std::string manual;
    window.SetPrintHook([&] { ++prints; });
    window.SetManualHook([&](const std::string& name) { manual = name; });
    Child<QToolButton>("print")->click();
    Child<QToolButton>("manual")->click();
    EXPECT_EQ(prints, 1);
    EXPECT_EQ(manual, "Manual");
    Child<QToolButton>("exit")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
}

TEST_F(MainWindowTest, TooltipsAreRegistered) {
    Open();
    EXPECT_EQ(Child<QToolButton>("exit")->toolTip(), QStringLiteral("ルミナ・グラフを終了します"));
    EXPECT_EQ(Child<QPushButton>("mode3")->toolTip(),
              QStringLiteral("描画基点に、指定した条件で実際に描画します"));
    EXPECT_TRUE(Child<QToolButton>("bitPicture")->toolTip().contains(QLatin1Char('\n')));
    EXPECT_FALSE(Child<QCheckBox>("DspAscent")->toolTip().isEmpty());
    EXPECT_FALSE(Child<QLabel>("inkRatio")->toolTip().isEmpty());
}

TEST_F(MainWindowTest, AboutButtonOpensTheVersionHistory) {
    OpenShown();
    QString history;
    QTimer::singleShot(0, [&] {
        auto* about = dynamic_cast<CAboutDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->windowTitle(), QStringLiteral("バージョン情報"));
        history = about->HistoryField()->toPlainText();
        about->ConfirmButton()->click();
    });
    Child<QToolButton>("about")->click();
    EXPECT_TRUE(history.startsWith(QStringLiteral("Ver. 1.03 2022.11.14 Windows 11対応\n")));
    EXPECT_TRUE(history.contains(QStringLiteral("Ver. 1.00 2012.04.05 新規作成")));
}

TEST(AboutBox, HistoryRunsNewestFirstWithCrLf) {
    EXPECT_EQ(CAboutDlg::HistoryText(),
              QStringLiteral("Ver. 1.03 2022.11.14 Windows 11対応\r\n"
                             "Ver. 1.02 2014.08.14 64bit版を追加\r\n"
                             "Ver. 1.01 2012.07.26 透過イメージの読込みを追加\r\n"
                             "Ver. 1.00 2012.04.05 新規作成\r\n"));
}

} // namespace
} // namespace lumina::test
