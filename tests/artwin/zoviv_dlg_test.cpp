#include "artwin/zoviv_dlg.h"

#include "artwin/balloon_tips.h"
#include "artwin/settings_grid_widget.h"
#include "services/messages.h"
#include "tests/artwin/artwin_support.h"

#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include <vector>

namespace lumina::test {
namespace {

bool MessageShown(const TestServices& services, int id) {
    const std::string text = MessageText(id);
    for (const auto& m : services.Prompter().Messages()) {
        if (m.text.find(text) != std::string::npos)
            return true;
    }
    return false;
}

int OnlyDisabledZoom(const CZovivDlg& dialog) {
    int disabled = -1;
    int count = 0;
    for (int mode : {0, 1, 2, 4, 8}) {
        if (!dialog.ZoomButton(mode)->isEnabled()) {
            disabled = mode;
            ++count;
        }
    }
    return count == 1 ? disabled : -count;
}

TEST(ZovivDlg, FirstUseOpensFittedAtTheCornerAndEnablesExportAfterTheRun) {
    auto services = ArtServices(true);
    auto dialog = std::make_unique<CZovivDlg>(services->Get(), Photo(), "png");
    ASSERT_TRUE(dialog->Opened());
    EXPECT_EQ(dialog->windowTitle().toStdString(), "文字絵");
    EXPECT_EQ(dialog->Zoom(), 0);
    EXPECT_EQ(OnlyDisabledZoom(*dialog), 0);
    EXPECT_FALSE(dialog->ImageExportButton()->isEnabled());
    EXPECT_FALSE(dialog->TextExportButton()->isEnabled());
    EXPECT_EQ(dialog->ElapsedLabel()->text().toStdString(), "(00:00)");
    EXPECT_EQ(dialog->pos(), QPoint(0, 0));
    EXPECT_EQ(dialog->width(), std::max(640, dialog->MinimumWindowSize().width()));
    EXPECT_EQ(dialog->height(), std::max(480, dialog->MinimumWindowSize().height()));
    EXPECT_EQ(dialog->minimumSize(), dialog->MinimumWindowSize());
    EXPECT_EQ(dialog->RunCount(), 0);

    dialog->show();
    QCoreApplication::processEvents();
    ASSERT_EQ(dialog->RunCount(), 1);
    EXPECT_TRUE(dialog->ImageExportButton()->isEnabled());
    EXPECT_TRUE(dialog->TextExportButton()->isEnabled());
    const QString elapsed = dialog->ElapsedLabel()->text();
    EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d$").match(elapsed).hasMatch())
        << elapsed.toStdString();
    // The progress bar went through the rows and back to 0.
    EXPECT_EQ(dialog->Progress()->value(), 0);
    EXPECT_EQ(dialog->Progress()->maximum(), dialog->Engine().Layout().rows);
    const ArtLayout& layout = dialog->Engine().Layout();
    ASSERT_GT(layout.drawW, 0);
    EXPECT_FLOAT_EQ(dialog->ScaleX(),
                    static_cast<float>(dialog->SourceRect().Width()) / layout.drawW);
    // The window keys wait for the close.
    EXPECT_FALSE(services->Settings().Contains(kArtSection, "PX"));
    EXPECT_FALSE(services->Settings().Contains(kArtSection, "Zoom"));
}

TEST(ZovivDlg, ControlsKeepTheirCaptionsTipsAndTemplateProportions) {
    auto services = ArtServices();
    CZovivDlg dialog(services->Get(), Fixture("small.png"), "png");
    ASSERT_TRUE(dialog.Opened());
    EXPECT_EQ(dialog.UpdateButton()->text().toStdString(), "更新(&R)");
    EXPECT_EQ(dialog.ImageExportButton()->text().toStdString(), "イメージ出力(&J)");
    EXPECT_EQ(dialog.TextExportButton()->text().toStdString(), "テキスト出力(&T)");
    EXPECT_EQ(dialog.CloseButton()->text().toStdString(), "閉じる(&C)");
    EXPECT_EQ(dialog.ZoomButton(4)->toolTip().toStdString(),
              "【４倍】\n　文字絵を４倍で表示します");
    EXPECT_EQ(dialog.CloseButton()->toolTip().toStdString(),
              "このウィンドウを閉じて、メインウィンドウへ戻ります");
    EXPECT_FALSE(dialog.UpdateButton()->icon().isNull());
    for (int mode : {0, 1, 2, 4, 8})
        EXPECT_FALSE(dialog.ZoomButton(mode)->icon().isNull());

    // Widths in the template's proportions: update 45, a zoom button 14, an export 57 units.
    const double unit = dialog.UpdateButton()->width() / 45.0;
    EXPECT_NEAR(dialog.ZoomButton(0)->width(), 14 * unit, 2);
    EXPECT_NEAR(dialog.ImageExportButton()->width(), 57 * unit, 2);
    EXPECT_NEAR(dialog.PictureArea().Width(), 132 * unit, 3);
    EXPECT_LT(dialog.ZoomButton(8)->geometry().right(), dialog.ImageExportButton()->x());
    EXPECT_EQ(dialog.GridRect().left, dialog.PictureArea().left);
    EXPECT_GT(dialog.GridRect().top, dialog.PictureArea().bottom);
    EXPECT_GT(dialog.ArtRect().left, dialog.PictureArea().right);

    // The tip shows as a balloon with the control's text, no wider than 512 pixels.
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2),
                    dialog.UpdateButton()->mapToGlobal(QPoint(2, 2)));
    dialog.show();
    QCoreApplication::sendEvent(dialog.UpdateButton(), &help);
    const BalloonTip* tip = dialog.Tips()->Shown();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->Text().toStdString(),
              "左上の原本イメージを元に、左下の設定に従って文字絵を\n作成し、右側に表示します");
    EXPECT_LE(tip->width(), 512);
}

TEST(ZovivDlg, PicturePlacementFollowsItsSize) {
    struct Case {
        const char* name;
        bool small;
    };
    for (const Case c : {Case{"small.png", true}, Case{"wide.png", false}}) {
        SCOPED_TRACE(c.name);
        auto services = ArtServices();
        CZovivDlg dialog(services->Get(), Fixture(c.name), "png");
        ASSERT_TRUE(dialog.Opened());
        const Rect area = dialog.PictureArea();
        const Rect shown = dialog.SourceRect();
        if (c.small) {
            EXPECT_EQ(shown.Width(), 64);
            EXPECT_EQ(shown.Height(), 48);
            EXPECT_EQ(shown.left, area.left + (area.Width() - 64) / 2);
            EXPECT_EQ(shown.top, area.top + (area.Height() - 48) / 2);
        } else {
            EXPECT_EQ(shown.left, area.left);
            EXPECT_EQ(shown.Width(), area.Width());
            EXPECT_EQ(shown.Height(), area.Width() * 120 / 480);
            EXPECT_EQ(shown.top, area.top + (area.Height() - shown.Height()) / 2);
        }
    }
}

TEST(ZovivDlg, PictureThatCannotBeLoadedClosesTheWindowWithoutWriting) {
    auto services = ArtServices();
    CZovivDlg dialog(services->Get(), services->Dir().File("missing.png"), "png");
    EXPECT_FALSE(dialog.Opened());
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_FALSE(services->Settings().Contains(kArtSection, "PX"));
    EXPECT_FALSE(services->Settings().Contains(kArtSection, "Zoom"));
}

TEST(ZovivDlg, ZoomButtonsDisableExactlyTheCurrentMode) {
    auto services = ArtServices();
    services->Settings().WriteInt(kArtSection, "Zoom", 4);
    auto dialog = OpenShown(*services, Photo());
    EXPECT_EQ(dialog->Zoom(), 4);
    EXPECT_EQ(OnlyDisabledZoom(*dialog), 4);
    for (int mode : {1, 8, 0, 2}) {
        QTest::mouseClick(dialog->ZoomButton(mode), Qt::LeftButton);
        EXPECT_EQ(dialog->Zoom(), mode);
        EXPECT_EQ(OnlyDisabledZoom(*dialog), mode);
    }
    // A stored mode outside the five leaves every button enabled.
    auto other = ArtServices();
    other->Settings().WriteInt(kArtSection, "Zoom", 3);
    CZovivDlg odd(other->Get(), Photo(), "png");
    EXPECT_EQ(odd.Zoom(), 3);
    for (int mode : {0, 1, 2, 4, 8})
        EXPECT_TRUE(odd.ZoomButton(mode)->isEnabled()) << mode;
}

TEST(ZovivDlg, DoubleZoomOfNarrowArtDoesNotPanAcross) {
    auto services = ArtServices();
    services->Settings().WriteInt(kArtSection, "OutW", 500);
    auto dialog = OpenShown(*services, Photo());
    dialog->resize(1600, 900);
    QCoreApplication::processEvents();
    const int drawW = dialog->Engine().ArtSurface()->Width();
    ASSERT_LT(drawW * 2, dialog->ArtRect().Width());
    dialog->SetZoom(2);
    dialog->repaint();
    const QPoint inside = Centre(dialog->ArtRect());
    Drag(*dialog, inside, inside - QPoint(100, 0));
    EXPECT_EQ(dialog->Pan().x, 0);
    Drag(*dialog, Centre(dialog->FrameRect()), Centre(dialog->FrameRect()) + QPoint(40, 0));
    EXPECT_EQ(dialog->Pan().x, 0);
}

TEST(ZovivDlg, PanningByTheFrameStopsAtTheLimitsAndByTheArtFollowsThePointer) {
    auto services = ArtServices();
    auto dialog = OpenShown(*services, Photo());
    dialog->SetZoom(4);
    dialog->repaint();
    const Surface* art = dialog->Engine().ArtSurface();
    const Rect artRect = dialog->ArtRect();
    const Rect frame = dialog->FrameRect();
    ASSERT_FALSE(frame.IsEmpty());
    EXPECT_EQ(frame.left, dialog->SourceRect().left);

    // The frame, dragged far past the picture's corner, stops at the art's edge.
    Hover(*dialog, Centre(frame));
    EXPECT_EQ(dialog->cursor().shape(), Qt::OpenHandCursor);
    SendMouse(*dialog, QEvent::MouseButtonPress, Centre(frame));
    SendMouse(*dialog, QEvent::MouseMove, Centre(frame) + QPoint(2000, 2000));
    const int maxX = art->Width() * 4 - artRect.Width();
    const int maxY = art->Height() * 4 - artRect.Height();
    EXPECT_EQ(dialog->Pan().x, maxX / 4);
    EXPECT_EQ(dialog->Pan().y, maxY / 4);
    SendMouse(*dialog, QEvent::MouseMove, Centre(frame) - QPoint(2000, 2000));
    EXPECT_EQ(dialog->Pan(), (Point{0, 0}));
    SendMouse(*dialog, QEvent::MouseButtonRelease, Centre(frame) - QPoint(2000, 2000));

    // Dragging the art d pixels left advances panX by d / zoom, at release only.
    Hover(*dialog, Centre(artRect));
    EXPECT_EQ(dialog->cursor().shape(), Qt::SizeAllCursor);
    SendMouse(*dialog, QEvent::MouseButtonPress, Centre(artRect));
    SendMouse(*dialog, QEvent::MouseMove, Centre(artRect) - QPoint(42, 0));
    EXPECT_EQ(dialog->Pan().x, 0);
    SendMouse(*dialog, QEvent::MouseButtonRelease, Centre(artRect) - QPoint(42, 8));
    EXPECT_EQ(dialog->Pan().x, 42 / 4);
    EXPECT_EQ(dialog->Pan().y, 8 / 4);

    // ×4 again after panning goes back to the art's top-left; so does a run.
    QTest::mouseClick(dialog->ZoomButton(2), Qt::LeftButton);
    Drag(*dialog, Centre(artRect), Centre(artRect) - QPoint(30, 30));
    EXPECT_NE(dialog->Pan(), (Point{0, 0}));
    dialog->SetZoom(4);
    EXPECT_EQ(dialog->Pan(), (Point{0, 0}));
    Drag(*dialog, Centre(artRect), Centre(artRect) - QPoint(30, 30));
    ASSERT_NE(dialog->Pan(), (Point{0, 0}));
    dialog->RunGeneration();
    EXPECT_EQ(dialog->Pan(), (Point{0, 0}));
}

TEST(ZovivDlg, FitModeIgnoresTheMouse) {
    // A stored mode below zero is shown fitted and handled the same way.
    for (int zoom : {0, -2}) {
        SCOPED_TRACE(zoom);
        auto services = ArtServices();
        services->Settings().WriteInt(kArtSection, "Zoom", zoom);
        auto dialog = OpenShown(*services, Photo());
        ASSERT_EQ(dialog->Zoom(), zoom);
        const QPoint inside = Centre(dialog->ArtRect());
        Hover(*dialog, inside);
        EXPECT_EQ(dialog->cursor().shape(), Qt::ArrowCursor);
        Drag(*dialog, inside, inside - QPoint(50, 50));
        EXPECT_EQ(dialog->Pan(), (Point{0, 0}));
        Hover(*dialog, Centre(dialog->SourceRect()));
        EXPECT_EQ(dialog->cursor().shape(), Qt::ArrowCursor);
        EXPECT_TRUE(dialog->FrameRect().IsEmpty());
    }
}

TEST(ZovivDlg, PaintShowsTheArtAndAnInverseFrameOnThePicture) {
    auto services = ArtServices();
    auto dialog = OpenShown(*services, Photo());
    QImage shot = dialog->grab().toImage();
    const Rect fitted = FitArtRect(dialog->ArtRect(), dialog->Engine().ArtSurface()->Width(),
                                   dialog->Engine().ArtSurface()->Height());
    // The art is characters on white: both light and dark pixels inside its rectangle.
    int dark = 0, light = 0;
    for (int y = fitted.top + 2; y < fitted.bottom - 2; y += 3) {
        for (int x = fitted.left + 2; x < fitted.right - 2; x += 3) {
            const QColor c = shot.pixelColor(x, y);
            (c.lightness() < 128 ? dark : light)++;
        }
    }
    EXPECT_GT(dark, 20);
    EXPECT_GT(light, 20);
    EXPECT_EQ(shot.pixelColor(fitted.left - 1, fitted.top + 5), QColor(4, 0, 0));

    dialog->SetZoom(2);
    shot = dialog->grab().toImage();
    const Rect frame = dialog->FrameRect();
    const QColor under =
        dialog->grab(QRect(frame.left + 1, frame.top + 1, 1, 1)).toImage().pixelColor(0, 0);
    (void)under;
    const COLORREF drawn = dialog->FrameColour();
    const QColor onScreen = shot.pixelColor(frame.left, frame.top);
    EXPECT_EQ(Rgb(onScreen.red(), onScreen.green(), onScreen.blue()), drawn);
    EXPECT_EQ(shot.pixelColor(dialog->ArtRect().left, dialog->ArtRect().top + 5), QColor(4, 0, 0));
}

TEST(ZovivDlg, ExportButtonsStayEnabledAfterAFailingRun) {
    auto services = ArtServices();
    auto dialog = OpenShown(*services, Photo());
    ASSERT_TRUE(dialog->ImageExportButton()->isEnabled());
    SettingsGrid* grid = dialog->Grid();
    const QRect title = grid->Tree()->visualRect(grid->GroupIndex(2));
    const QPoint caption(title.left() + 10, title.center().y());
    const std::string titleOn = ClassGroupTitle(true);
    const std::string titleOff = ClassGroupTitle(false);
    ASSERT_EQ(dialog->Engine().Grid().groups[2].title, titleOn);

    const auto storedSwitches = [&] {
        std::vector<int> values;
        for (const auto& info : kCharClasses)
            values.push_back(services->Settings().ReadInt(kArtSection, info.key, 9));
        return values;
    };
    const std::vector<int> before = storedSwitches();

    QTest::mouseClick(grid->Tree()->viewport(), Qt::LeftButton, {}, caption);
    EXPECT_EQ(dialog->Engine().Grid().groups[2].title, titleOff);
    EXPECT_EQ(grid->GroupIndex(2).data().toString().toStdString(), titleOff);
    for (const auto& item : dialog->Engine().Grid().groups[2].items)
        EXPECT_EQ(item.value, "する");
    QTest::mouseClick(grid->Tree()->viewport(), Qt::LeftButton, {}, caption);
    EXPECT_EQ(grid->GroupIndex(2).data().toString().toStdString(), titleOn);
    for (size_t i = 0; i < 7; ++i)
        EXPECT_EQ(grid->ValueIndex(2, i).data().toString().toStdString(), "しない");
    // Nothing is written until the run.
    EXPECT_EQ(storedSwitches(), before);
    // A click on the value side of the title does nothing.
    QTest::mouseClick(grid->Tree()->viewport(), Qt::LeftButton, {},
                      QPoint(title.right() - 5, title.center().y()));
    EXPECT_EQ(grid->GroupIndex(2).data().toString().toStdString(), titleOn);

    dialog->ElapsedLabel()->setText(QStringLiteral("12:34"));
    dialog->RunGeneration();
    ASSERT_FALSE(dialog->LastRun());
    EXPECT_EQ(dialog->LastRun().problem().id, kMsgNoClasses);
    EXPECT_EQ(dialog->ElapsedLabel()->text().toStdString(), "12:34");
    EXPECT_TRUE(MessageShown(*services, kMsgNoClasses));
    EXPECT_EQ(services->Settings().ReadInt(kArtSection, "UseKigou", 9), 0);
    EXPECT_TRUE(dialog->ImageExportButton()->isEnabled());
    EXPECT_TRUE(dialog->TextExportButton()->isEnabled());
}

TEST(ZovivDlg, OutputWidthTypedOutOfRangeIsClampedByTheRun) {
    auto services = ArtServices();
    auto dialog = OpenShown(*services, Photo());
    SettingsGrid* grid = dialog->Grid();
    const QModelIndex outW = grid->ValueIndex(3, 0);
    ASSERT_EQ(grid->ItemAt(outW)->caption, "出力幅");
    grid->Tree()->setCurrentIndex(outW);
    auto* editor = qobject_cast<QSpinBox*>(grid->Tree()->indexWidget(outW));
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "6000");
    dialog->RunGeneration();
    EXPECT_TRUE(dialog->LastRun());
    EXPECT_EQ(services->Settings().ReadInt(kArtSection, "OutW", 0), 5000);
    EXPECT_EQ(grid->ValueIndex(3, 0).data().toString().toStdString(), "5000");
    EXPECT_EQ(dialog->Engine().Settings().OutW, 5000);
}

TEST(ZovivDlg, CollapsedGroupSurvivesARunAndAReopen) {
    auto services = ArtServices();
    {
        auto dialog = OpenShown(*services, Photo());
        SettingsGrid* grid = dialog->Grid();
        ASSERT_EQ(grid->GroupIndex(5).data().toString().toStdString(), "出力結果(確認用)");
        grid->Tree()->collapse(grid->GroupIndex(5));
        dialog->RunGeneration();
        ASSERT_TRUE(dialog->LastRun());
        EXPECT_FALSE(dialog->Grid()->Tree()->isExpanded(dialog->Grid()->GroupIndex(5)));
        EXPECT_EQ(services->Settings().ReadInt(kPropSection, "出力結果(確認用)", 9), 0);
        dialog->reject();
    }
    auto again = OpenShown(*services, Photo());
    EXPECT_FALSE(again->Grid()->Tree()->isExpanded(again->Grid()->GroupIndex(5)));
    EXPECT_TRUE(again->Grid()->Tree()->isExpanded(again->Grid()->GroupIndex(3)));
}

TEST(ZovivDlg, ClosingWritesPlacementAndZoom) {
    struct Case {
        const char* name;
        bool maximise;
        QPoint pos;
        QPoint stored;
    };
    for (const Case c : {Case{"maximised", true, {30, 40}, {30, 40}},
                         Case{"normal, off the corner", false, {-20, -10}, {0, 0}}}) {
        SCOPED_TRACE(c.name);
        auto services = ArtServices();
        QSize size;
        {
            auto dialog = OpenShown(*services, Photo());
            dialog->move(c.pos);
            dialog->resize(dialog->MinimumWindowSize() + QSize(50, 40));
            QCoreApplication::processEvents();
            size = dialog->frameGeometry().size(); // the outer size is stored
            if (c.maximise)
                dialog->showMaximized();
            QCoreApplication::processEvents();
            dialog->SetZoom(2);
            dialog->reject();
        }
        const SettingsStore& store = services->Settings();
        EXPECT_EQ(store.ReadInt(kArtSection, "Zoomed", -1), c.maximise ? 1 : 0);
        EXPECT_EQ(store.ReadInt(kArtSection, "PX", -1), c.stored.x());
        EXPECT_EQ(store.ReadInt(kArtSection, "PY", -1), c.stored.y());
        EXPECT_EQ(store.ReadInt(kArtSection, "SX", -1), size.width());
        EXPECT_EQ(store.ReadInt(kArtSection, "SY", -1), size.height());
        EXPECT_EQ(store.ReadInt(kArtSection, "Zoom", -1), 2);
        EXPECT_TRUE(store.Contains(kPropSection, "フォント設定"));

        CZovivDlg reopened(services->Get(), Photo(), "png");
        EXPECT_EQ(reopened.windowState().testFlag(Qt::WindowMaximized), c.maximise);
        EXPECT_EQ(reopened.Zoom(), 2);
        if (!c.maximise) {
            EXPECT_EQ(reopened.pos(), QPoint(0, 0));
        }
    }
}

TEST(ZovivDlg, ResizingMovesTheGridAndArtEdgesButNotThePicture) {
    auto services = ArtServices();
    auto dialog = OpenShown(*services, Fixture("small.png"));
    const Rect picture = dialog->SourceRect();
    const Rect grid = dialog->GridRect();
    dialog->resize(dialog->width() + 200, dialog->height() + 150);
    EXPECT_EQ(dialog->SourceRect(), picture);
    EXPECT_EQ(dialog->GridRect().left, grid.left);
    EXPECT_EQ(dialog->GridRect().top, grid.top);
    EXPECT_EQ(dialog->GridRect().Width(), grid.Width());
    EXPECT_EQ(dialog->GridRect().bottom, dialog->height() - 5);
    EXPECT_EQ(dialog->ArtRect().right, dialog->width() - 5);
    EXPECT_EQ(dialog->ArtRect().bottom, dialog->height() - 5);
    dialog->resize(100, 100);
    EXPECT_GE(dialog->width(), dialog->MinimumWindowSize().width());
    EXPECT_GE(dialog->height(), dialog->MinimumWindowSize().height());
}

TEST(ZovivDlg, ExportsWriteTheCompletedArt) {
    auto services = ArtServices();
    auto dialog = OpenShown(*services, Photo());
    const std::string image = services->Dir().File("art.png");
    const std::string text = services->Dir().File("art.txt");
    services->Prompter().QueueFileName(image);
    services->Prompter().QueueAnswer(kIdNo); // size as drawn
    services->Prompter().QueueAnswer(kIdNo); // do not show the folder
    QTest::mouseClick(dialog->ImageExportButton(), Qt::LeftButton);
    QImage written(QString::fromStdString(image));
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.width(), dialog->Engine().Layout().drawW);
    EXPECT_EQ(services->Prompter().FileDialogs().back().defaultName, "raccoon(文字絵)");

    services->Prompter().QueueFileName(text);
    services->Prompter().QueueAnswer(kIdNo);
    QTest::mouseClick(dialog->TextExportButton(), Qt::LeftButton);
    QFile file(QString::fromStdString(text));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const ArtLayout& layout = dialog->Engine().Layout();
    EXPECT_EQ(file.size(), static_cast<qint64>(layout.rows) * (layout.cols * 2 + 2));
}

} // namespace
} // namespace lumina::test
