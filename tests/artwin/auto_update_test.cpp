// The art window's live preview ("自動更新"): the check box, its stored setting, and runs that
// follow changes in the grid after a pause, giving up a run whose settings went stale.
#include "artwin/zoviv_dlg.h"

#include "artwin/settings_grid_widget.h"
#include "platform/surface.h"
#include "tests/artwin/artwin_support.h"

#include <QCheckBox>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

namespace lumina::test {
namespace {

constexpr int kPatience = 20000; // ms: how long a test waits for a pause and its run at most

// Edits an item's value as the grid's editors hand it over.
void Edit(SettingsGrid& grid, size_t group, size_t item, const char* value) {
    grid.Tree()->model()->setData(grid.ValueIndex(group, item), QString::fromUtf8(value));
}
constexpr size_t kOutput = 3, kBrightness = 3; // "その他の出力設定", "明るさ"

TEST(AutoUpdate, CheckBoxIsOffAtFirstAndItsStateIsStored) {
    auto services = ArtServices();
    {
        auto dialog = OpenShown(*services, Fixture("small.png"));
        QCheckBox* box = dialog->AutoUpdateBox();
        EXPECT_EQ(box->text().toStdString(), "自動更新(&A)");
        EXPECT_EQ(box->toolTip().toStdString(),
                  "チェックすると、左下の設定を変えるたびに、少し待ってから\n"
                  "自動で文字絵を作り直します");
        EXPECT_FALSE(box->isChecked());
        EXPECT_FALSE(dialog->Live().On());
        EXPECT_GT(box->geometry().top(), dialog->PictureArea().bottom);
        EXPECT_LE(box->geometry().bottom(), dialog->GridRect().top);

        Edit(*dialog->Grid(), kOutput, kBrightness, "7");
        EXPECT_FALSE(dialog->Live().PausePending()) << "off, a change waits for the button";
        box->click();
        EXPECT_TRUE(services->Settings().ReadInt(kArtSection, "AutoUpdate", 0));
        dialog->reject();
    }
    auto again = OpenShown(*services, Fixture("small.png"));
    EXPECT_TRUE(again->AutoUpdateBox()->isChecked());
    EXPECT_TRUE(again->Live().On());
}

TEST(AutoUpdate, ChangesRunOnceAfterAPause) {
    auto services = ArtServices();
    services->Settings().WriteInt(kArtSection, "AutoUpdate", 1);
    auto dialog = OpenShown(*services, Fixture("small.png"));
    ASSERT_EQ(dialog->RunCount(), 1);
    SettingsGrid& grid = *dialog->Grid();
    Edit(grid, kOutput, kBrightness, "6");
    Edit(grid, kOutput, kBrightness, "7");
    Edit(grid, kOutput, kBrightness, "8");
    EXPECT_EQ(dialog->RunCount(), 1) << "no run per change";
    EXPECT_TRUE(dialog->Live().PausePending());
    QTRY_COMPARE_WITH_TIMEOUT(dialog->RunCount(), 2, kPatience);
    EXPECT_TRUE(dialog->LastRun());
    EXPECT_EQ(services->Settings().ReadInt(kArtSection, "BrightAll", 0), 8);
    EXPECT_FALSE(dialog->Live().PausePending());

    // An arrow of a spin is a change; the run after it leaves the editor open.
    const QModelIndex index = grid.ValueIndex(kOutput, kBrightness);
    grid.Tree()->setCurrentIndex(index);
    auto* spin = qobject_cast<QSpinBox*>(grid.Tree()->indexWidget(index));
    ASSERT_NE(spin, nullptr);
    spin->stepBy(-1);
    EXPECT_TRUE(dialog->Live().PausePending());
    QTRY_COMPARE_WITH_TIMEOUT(dialog->RunCount(), 3, kPatience);
    EXPECT_EQ(services->Settings().ReadInt(kArtSection, "BrightAll", 0), 7);
    EXPECT_EQ(grid.Tree()->indexWidget(index), spin) << "the editor stays open";
}

// A change while a run draws its rows gives the run up: the window keeps showing the last
// completed art, and the art is made once more after the pause, with the newest settings.
TEST(AutoUpdate, ChangeDuringARunRestartsIt) {
    auto services = ArtServices();
    services->Settings().WriteInt(kArtSection, "AutoUpdate", 1);
    auto dialog = OpenShown(*services, Photo());
    ASSERT_EQ(dialog->RunCount(), 1);
    const Surface* shown = dialog->ShownArt();
    ASSERT_NE(shown, nullptr);
    SettingsGrid& grid = *dialog->Grid();

    // The edit arrives while the run below handles events between its rows.
    QTimer::singleShot(0, dialog.get(), [&] { Edit(grid, kOutput, kBrightness, "9"); });
    Edit(grid, kOutput, kBrightness, "2");
    dialog->Live().Request(RunCause::Pause);
    EXPECT_EQ(dialog->StoppedRuns(), 1);
    EXPECT_EQ(dialog->RunCount(), 1) << "a run that gave up is not a run";
    EXPECT_EQ(dialog->ShownArt(), shown);
    EXPECT_EQ(dialog->Engine().LastCompleted()->art.get(), shown);
    EXPECT_TRUE(dialog->Live().PausePending());

    QTRY_COMPARE_WITH_TIMEOUT(dialog->RunCount(), 2, kPatience);
    EXPECT_EQ(dialog->StoppedRuns(), 1);
    EXPECT_EQ(services->Settings().ReadInt(kArtSection, "BrightAll", 0), 9);
    EXPECT_NE(dialog->ShownArt(), shown);
}

} // namespace
} // namespace lumina::test
