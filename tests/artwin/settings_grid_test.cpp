#include "artwin/settings_grid_widget.h"

#include "artwin/grid_editors.h"
#include "tests/artwin/artwin_support.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QStandardItemModel>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

namespace lumina::test {
namespace {

// A grid on the defaults, shown so that it lays out and paints.
struct GridFixture {
    GridFixture() {
        App();
        BuildSettingsGrid(model, settings, PictureFacts{"/pics/cat.png", 1234, 567, 2048 * 1024},
                          ArtLayout{}, true);
        grid = std::make_unique<SettingsGrid>(nullptr);
        grid->SetChoosers(&choosers);
        grid->Show(&model);
        grid->resize(260, 420);
        grid->show();
        QCoreApplication::processEvents();
    }
    QWidget* Edit(size_t group, size_t item) {
        const QModelIndex index = grid->ValueIndex(group, item);
        grid->Tree()->scrollTo(index);
        grid->Tree()->setCurrentIndex(index);
        if (!grid->Tree()->indexWidget(index) && index.flags().testFlag(Qt::ItemIsEditable))
            grid->Tree()->edit(index);
        return grid->Tree()->indexWidget(index);
    }
    GridItem& Item(size_t group, size_t item) { return model.groups[group].items[item]; }

    ArtSettings settings;
    SettingsGridModel model;
    ScriptedChoosers choosers;
    std::unique_ptr<SettingsGrid> grid;
};

TEST(SettingsGrid, ShowsGroupsAndItemsInBuildingOrderWithoutHeader) {
    GridFixture f;
    QTreeView* tree = f.grid->Tree();
    EXPECT_TRUE(tree->isHeaderHidden());
    EXPECT_EQ(tree->model()->columnCount(), 2);
    ASSERT_EQ(tree->model()->rowCount(), 6);
    const char* titles[] = {
        "原本イメージ(確認用)", "フォント設定", "出力文字種  (すべて「する」にする)",
        "その他の出力設定",     "階調設定",     "出力結果(確認用)"};
    for (int g = 0; g < 6; ++g) {
        EXPECT_EQ(f.grid->GroupIndex(g).data().toString().toStdString(), titles[g]);
        EXPECT_TRUE(tree->isExpanded(f.grid->GroupIndex(g)));
        EXPECT_TRUE(tree->isFirstColumnSpanned(g, QModelIndex()));
    }
    const QModelIndex output = f.grid->GroupIndex(3);
    const char* captions[] = {"出力幅",   "字間",   "行間",   "明るさ", "色相(赤)", "色相(緑)",
                              "色相(青)", "カラー", "文字色", "背景色", "ランダム"};
    ASSERT_EQ(tree->model()->rowCount(output), 11);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(output.model()->index(i, 0, output).data().toString().toStdString(), captions[i]);
    EXPECT_EQ(f.grid->ValueIndex(0, 1).data().toString().toStdString(), "1,234×567");
    EXPECT_EQ(f.grid->ValueIndex(1, 0).data().toString().toStdString(), "MS UI Gothic(12)");
    EXPECT_EQ(f.grid->font().pointSizeF(), SettingsGrid::GridFont().pointSizeF());
    EXPECT_EQ(SettingsGrid::GridFont().pointSizeF(), QApplication::font("QMenu").pointSizeF());
}

TEST(SettingsGrid, PaintsInItsOwnColours) {
    GridFixture f;
    QTreeView* tree = f.grid->Tree();
    const QImage shot = tree->viewport()->grab().toImage();
    const QRect title = tree->visualRect(f.grid->GroupIndex(1));
    const QRect caption = tree->visualRect(f.grid->ValueIndex(1, 1).siblingAtColumn(0));
    const QRect value = tree->visualRect(f.grid->ValueIndex(1, 1));
    EXPECT_EQ(shot.pixelColor(title.right() - 3, title.top() + 2),
              SettingsGrid::GroupBackgroundColour());
    EXPECT_EQ(shot.pixelColor(value.right() - 3, value.top() + 2),
              SettingsGrid::BackgroundColour());
    EXPECT_EQ(shot.pixelColor(value.center().x(), value.bottom()), SettingsGrid::LineColour());
    EXPECT_EQ(shot.pixelColor(caption.right(), caption.center().y()), SettingsGrid::LineColour());
    // The title's text is drawn in the title colour.
    bool titleText = false;
    for (int x = title.left(); x < title.right() && !titleText; ++x) {
        for (int y = title.top(); y < title.bottom() && !titleText; ++y)
            titleText = shot.pixelColor(x, y) == SettingsGrid::GroupTextColour();
    }
    EXPECT_TRUE(titleText);
    const QPalette pane = f.grid->DescriptionPane()->palette();
    EXPECT_EQ(pane.color(QPalette::Window), SettingsGrid::DescriptionBackgroundColour());
    EXPECT_EQ(pane.color(QPalette::WindowText), SettingsGrid::DescriptionTextColour());
}

TEST(SettingsGrid, DescriptionPaneShowsTheSelectedItemInFiveRows) {
    GridFixture f;
    QLabel* pane = f.grid->DescriptionPane();
    EXPECT_GE(pane->height(), 5 * pane->fontMetrics().lineSpacing());
    EXPECT_LT(pane->height(), 6 * pane->fontMetrics().lineSpacing() + 10);
    EXPECT_GT(pane->geometry().top(), f.grid->Tree()->geometry().bottom());
    EXPECT_EQ(f.grid->Description(), "");
    f.grid->Tree()->setCurrentIndex(f.grid->ValueIndex(0, 0).siblingAtColumn(0));
    EXPECT_EQ(f.grid->Description(), "原本イメージの保存場所です。");
    EXPECT_TRUE(pane->text().contains(QString::fromUtf8("原本イメージの保存場所です。")));
    // Read-only items are selectable but have no editor.
    EXPECT_EQ(f.Edit(0, 0), nullptr);
    EXPECT_FALSE(f.grid->ValueIndex(0, 0).flags().testFlag(Qt::ItemIsEditable));
}

TEST(SettingsGrid, PickListsOfferTheirLabelsWithoutTyping) {
    struct Case {
        size_t group, item;
        std::vector<std::string> labels;
        int pick;
        std::string expected;
    };
    for (const Case& c :
         {Case{1, 1, {"する", "しない"}, 0, "する"}, Case{2, 3, {"する", "しない"}, 1, "しない"},
          Case{3, 7, {"カラー", "モノクロ"}, 1, "モノクロ"}}) {
        SCOPED_TRACE(c.expected);
        GridFixture f;
        auto* list = qobject_cast<QComboBox*>(f.Edit(c.group, c.item));
        ASSERT_NE(list, nullptr);
        EXPECT_FALSE(list->isEditable());
        ASSERT_EQ(list->count(), static_cast<int>(c.labels.size()));
        for (int i = 0; i < list->count(); ++i)
            EXPECT_EQ(list->itemText(i).toStdString(), c.labels[i]);
        list->setCurrentIndex(c.pick);
        emit list->activated(c.pick);
        EXPECT_EQ(f.Item(c.group, c.item).value, c.expected);
    }
}

TEST(SettingsGrid, SpinStepsWithinItsRangeAndTakesTypedValuesOutside) {
    GridFixture f;
    auto* spin = dynamic_cast<RangeSpin*>(f.Edit(3, 3)); // 明るさ, 1..9
    ASSERT_NE(spin, nullptr);
    spin->setValue(8);
    spin->stepBy(5);
    EXPECT_EQ(spin->value(), 9);
    spin->stepBy(-20);
    EXPECT_EQ(spin->value(), 1);
    spin->selectAll();
    QTest::keyClicks(spin, "-30");
    f.grid->CommitEditing();
    EXPECT_EQ(f.Item(3, 3).value, "-30");

    auto* width = dynamic_cast<RangeSpin*>(f.Edit(3, 0)); // 出力幅, 500..5000
    ASSERT_NE(width, nullptr);
    width->selectAll();
    QTest::keyClicks(width, "6000");
    f.grid->CommitEditing();
    EXPECT_EQ(f.Item(3, 0).value, "6000");
    TestServices services;
    ApplySettingsGrid(f.model, f.settings, services.Settings());
    EXPECT_EQ(f.settings.OutW, 5000);
    EXPECT_EQ(f.settings.BrightAll, 1);
}

TEST(SettingsGrid, FontChooserShowsFaceAndSize) {
    GridFixture f;
    auto* editor = dynamic_cast<FontEditor*>(f.Edit(1, 0));
    ASSERT_NE(editor, nullptr);
    QFont chosen(QStringLiteral("IPAGothic"));
    chosen.setPointSize(80);
    f.choosers.fonts.push_back(chosen);
    f.choosers.fonts.push_back(std::nullopt);
    QTest::mouseClick(editor->ChooseButton(), Qt::LeftButton);
    EXPECT_EQ(f.choosers.fontCalls, 1);
    EXPECT_EQ(f.choosers.lastInitialFont.family().toStdString(), "MS UI Gothic");
    EXPECT_EQ(f.choosers.lastInitialFont.pointSize(), 12);
    EXPECT_EQ(f.Item(1, 0).value, "IPAGothic(80)");
    // A cancelled dialog leaves the item alone.
    EXPECT_FALSE(editor->Choose());
    EXPECT_EQ(f.Item(1, 0).value, "IPAGothic(80)");

    TestServices services;
    ApplySettingsGrid(f.model, f.settings, services.Settings());
    EXPECT_EQ(f.settings.FontName, "IPAGothic");
    EXPECT_EQ(f.settings.FontSize, 72);
}

TEST(SettingsGrid, ColourChooserOffersThePaletteAndTheOtherButton) {
    GridFixture f;
    auto* editor = dynamic_cast<ColourEditor*>(f.Edit(3, 9)); // 背景色
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Colour(), 0xFFFFFFu);
    QTest::mouseClick(editor->DropButton(), Qt::LeftButton);
    ColourPalette* palette = editor->Palette();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->findChildren<QToolButton*>().size(), StandardColours().size() + 1);
    EXPECT_EQ(palette->OtherButton()->text().toStdString(), "その他 ");
    QTest::mouseClick(palette->ColourButton(16), Qt::LeftButton);
    EXPECT_EQ(f.Item(3, 9).value, ColourText(StandardColours()[16]));

    editor = dynamic_cast<ColourEditor*>(f.Edit(3, 8)); // 文字色
    ASSERT_NE(editor, nullptr);
    f.choosers.colours.push_back(QColor(1, 2, 3));
    editor->OpenPalette();
    QTest::mouseClick(editor->Palette()->OtherButton(), Qt::LeftButton);
    EXPECT_EQ(f.choosers.colourCalls, 1);
    EXPECT_EQ(f.Item(3, 8).value, "197121");

    editor = dynamic_cast<ColourEditor*>(f.Edit(3, 8));
    ASSERT_NE(editor, nullptr);
    editor->OpenPalette();
    QTest::mouseClick(editor->Palette()->OtherButton(), Qt::LeftButton); // cancelled
    EXPECT_EQ(f.Item(3, 8).value, "197121");
}

TEST(SettingsGrid, FoldsAndTitleClicksReachTheModel) {
    GridFixture f;
    std::vector<size_t> clicked;
    f.grid->SetOnGroupCaptionClick([&](size_t group) { clicked.push_back(group); });
    QTreeView* tree = f.grid->Tree();
    tree->collapse(f.grid->GroupIndex(5));
    EXPECT_FALSE(f.model.groups[5].expanded);
    tree->expand(f.grid->GroupIndex(5));
    EXPECT_TRUE(f.model.groups[5].expanded);

    const QRect title = tree->visualRect(f.grid->GroupIndex(2));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      QPoint(title.left() + 8, title.center().y()));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      QPoint(title.right() - 4, title.center().y()));
    const QRect item = tree->visualRect(f.grid->ValueIndex(2, 0).siblingAtColumn(0));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(clicked, std::vector<size_t>{2});

    // A toggle in the model shows after Refresh, with the folds kept.
    tree->collapse(f.grid->GroupIndex(0));
    bool toggle = true;
    ASSERT_TRUE(ToggleAllClasses(f.model, 2, toggle));
    f.grid->Refresh();
    EXPECT_EQ(f.grid->GroupIndex(2).data().toString().toStdString(), ClassGroupTitle(false));
    EXPECT_FALSE(tree->isExpanded(f.grid->GroupIndex(0)));
}

} // namespace
} // namespace lumina::test
