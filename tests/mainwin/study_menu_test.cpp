// The view's menu of study switches, its zoom keys, Alt and the wheel, and the pan drags.
#include "tests/mainwin/window_fixture.h"

#include "glyph/study_options.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>

namespace lumina::test {
namespace {

class StudyMenuTest : public MainWindowTest {
protected:
    // The menu's item of a caption, in the menu or its hinting submenu.
    QAction* Item(const char* caption) {
        auto* button = Child<QToolButton>("studyMenu");
        QList<QAction*> actions = button->menu()->actions();
        for (QAction* a : button->menu()->actions())
            if (a->menu())
                actions += a->menu()->actions();
        for (QAction* a : actions)
            if (a->text().section(QLatin1Char('\t'), 0, 0) == QString::fromUtf8(caption))
                return a;
        ADD_FAILURE() << "no menu item " << caption;
        return nullptr;
    }
    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier,
             QEvent::Type type = QEvent::KeyPress) {
        QKeyEvent event(type, key, mods);
        QApplication::sendEvent(ViewWidget(), &event);
    }
    // A point of the view far from the dial, in the quiet corner below its left end.
    Point Quiet() { return {Window().ViewRect().left + 40, Window().ViewRect().bottom - 40}; }
    void MiddleDrag(Point from, Point to) {
        Mouse(QEvent::MouseButtonPress, from, Qt::MiddleButton, Qt::MiddleButton);
        Mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::MiddleButton);
        Mouse(QEvent::MouseButtonRelease, to, Qt::MiddleButton, Qt::NoButton);
    }
    const StudyOptions& Study() { return Window().State().study; }
};

// The typesetting items: each stored; the second face, once chosen, gives the value fields the
// tooltips of its own values, and they go when it is switched off.
TEST_F(StudyMenuTest, TypesettingItemsAreStoredAndTheSecondFaceFillsTheTooltips) {
    Settings().WriteString("Last", "CompareFont", "IPAMincho");
    OpenShown();
    auto* ascent = Child<QLabel>("tmAscent");
    EXPECT_TRUE(ascent->toolTip().isEmpty());
    Item("比較フォント")->trigger();
    EXPECT_EQ(Last("DspCompare"), 1);
    EXPECT_TRUE(Window().State().faces.Comparing());
    EXPECT_TRUE(ascent->toolTip().startsWith(QStringLiteral("比較フォント（IPAMincho）：")))
        << ascent->toolTip().toStdString();
    EXPECT_FALSE(Child<QLabel>("gmBlackBoxX")->toolTip().isEmpty());
    Item("比較フォント")->trigger();
    EXPECT_EQ(Last("DspCompare"), 0);
    EXPECT_TRUE(ascent->toolTip().isEmpty());

    const struct {
        const char* caption;
        const char* key;
        bool FaceViews::*member;
    } items[] = {{"字面枠", "DspFrames", &FaceViews::frames},
                 {"縦書き", "DspVertical", &FaceViews::vertical}};
    for (const auto& item : items) {
        Item(item.caption)->trigger();
        EXPECT_EQ(Last(item.key), 1) << item.caption;
        EXPECT_TRUE(Window().State().faces.*item.member) << item.caption;
        Item(item.caption)->trigger();
        EXPECT_EQ(Last(item.key), 0) << item.caption;
    }
}

TEST_F(StudyMenuTest, EverySwitchIsStoredAndRedrawsTheOutline) {
    OpenShown();
    const auto* counts = Child<QLabel>("counts");
    const QString vertices = counts->text();
    const QString plainTip = counts->toolTip();

    Item("曲線")->trigger();
    EXPECT_TRUE(Study().curves);
    EXPECT_EQ(Last("DspCurve"), 1);
    EXPECT_EQ(counts->text(), vertices) << "curves count the same vertices";

    Item("元の点")->trigger();
    EXPECT_EQ(Last("DspFontPt"), 1);
    EXPECT_NE(counts->text(), vertices) << "the font's points are counted instead";
    EXPECT_EQ(counts->toolTip(),
              QStringLiteral("フォントが持つ点（制御点を含みます）と、輪郭の数です"));
    Item("元の点")->trigger();
    EXPECT_EQ(counts->text(), vertices);
    EXPECT_EQ(counts->toolTip(), plainTip);

    const struct {
        const char* caption;
        int stored;
        bool hinted;
        bool compare;
    } hintings[] = {{"無効", 1, false, false}, {"比較", 2, true, true}, {"有効", 0, true, false}};
    for (const auto& h : hintings) {
        Item(h.caption)->trigger();
        EXPECT_EQ(Last("Hinting"), h.stored) << h.caption;
        EXPECT_EQ(Window().State().request.hinted, h.hinted) << h.caption;
        EXPECT_EQ(Study().compareHinting, h.compare) << h.caption;
    }

    Item("番号を重ねない")->trigger();
    EXPECT_EQ(Last("DspNoSpread"), 1);

    // A new window shows what was stored.
    Close();
    OpenShown();
    EXPECT_TRUE(Item("曲線")->isChecked());
    EXPECT_FALSE(Item("元の点")->isChecked());
    EXPECT_TRUE(Item("有効")->isChecked());
    EXPECT_TRUE(Item("番号を重ねない")->isChecked());
    EXPECT_TRUE(Study().curves && Study().spreadNumbers);
}

TEST_F(StudyMenuTest, NumbersLeftOutAreCountedInTheTooltip) {
    Settings().WriteString("Last", "Char", "鬱");
    Store("SJIS-Code", 0x9F54);
    Store("FontSize", 72);
    Store("DspNoSpread", 1);
    OpenShown();
    const QString tip = Child<QLabel>("counts")->toolTip();
    EXPECT_TRUE(
        tip.startsWith(QStringLiteral("文字を描画する点（制御点は含みません）と、ブロック数です")))
        << tip.toStdString();
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("※ 重なるため表示していない番号が (\\d+) 個あります$"))
            .match(tip);
    ASSERT_TRUE(m.hasMatch()) << tip.toStdString();
    EXPECT_GT(m.captured(1).toInt(), 0);
}

TEST_F(StudyMenuTest, KeysZoomTheOutlineAndTheBitmapOnly) {
    OpenShown();
    const struct {
        int key;
        Qt::KeyboardModifiers mods;
        int zoom;
    } steps[] = {{Qt::Key_Plus, Qt::ShiftModifier, 2}, {Qt::Key_Plus, Qt::NoModifier, 4},
                 {Qt::Key_Equal, Qt::NoModifier, 8},   {Qt::Key_Minus, Qt::NoModifier, 4},
                 {Qt::Key_1, Qt::NoModifier, 1},       {Qt::Key_Plus, Qt::ControlModifier, 1}};
    for (const auto& s : steps) {
        Key(s.key, s.mods);
        EXPECT_EQ(Study().zoom, s.zoom) << s.key;
        EXPECT_EQ(Last("Zoom"), s.zoom) << s.key;
    }
    Key(Qt::Key_0);
    EXPECT_EQ(Study().zoom, Window().View().FitZoom(DisplayMode::Outline));
    Key(Qt::Key_1);

    Child<QPushButton>("mode3")->click();
    Key(Qt::Key_Plus);
    EXPECT_EQ(Study().zoom, 1) << "the drawing is not zoomed";
    Child<QPushButton>("mode2")->click();
    Key(Qt::Key_Plus);
    EXPECT_EQ(Study().zoom, 2);
    // The menu's items do the same.
    Item("拡大")->trigger();
    EXPECT_EQ(Study().zoom, 4);
    Item("等倍")->trigger();
    EXPECT_EQ(Study().zoom, 1);
}

TEST_F(StudyMenuTest, AltAndTheWheelZoomAboutThePointerWhereNoOtherBindingIs) {
    OpenShown();
    const Point at = Quiet();
    Wheel(at, 120, Qt::AltModifier);
    EXPECT_EQ(Study().zoom, 2);
    // The picture point under the pointer stays there.
    const Rect view = Window().ViewRect();
    const Point local{at.x - view.left, at.y - view.top};
    const Point centre{view.Width() / 2, view.Height() / 2};
    EXPECT_EQ(Study().pan, PanForZoom({}, local, centre, 1, 2));
    EXPECT_EQ(Last("PanX"), Study().pan.x);
    Wheel(at, -120, Qt::AltModifier);
    EXPECT_EQ(Study().zoom, 1);
    EXPECT_EQ(Study().pan, (Point{0, 0}));

    // On the dial band the wheel turns the text as ever; Ctrl and Alt keep the size step.
    const Point band{ViewCentre(view).x, ViewCentre(view).y + Window().State().RoundR};
    Wheel(band, 120, Qt::AltModifier);
    EXPECT_EQ(Window().State().request.FontDeg, 350);
    EXPECT_EQ(Study().zoom, 1);
    Wheel(at, 120, Qt::ControlModifier);
    EXPECT_EQ(Window().State().request.FontSize, 280);
    EXPECT_EQ(Study().zoom, 1);
}

TEST_F(StudyMenuTest, MiddleDragAndSpaceDragPanTheZoomedPictures) {
    OpenShown();
    const Point from = Quiet();
    const Point to{from.x + 30, from.y - 20};
    MiddleDrag(from, to);
    EXPECT_EQ(Study().pan, (Point{30, -20}));
    EXPECT_EQ(Last("PanX"), 30);
    EXPECT_EQ(Last("PanY"), -20);

    // Space held turns a left drag into a pan: no measuring point is set.
    Key(Qt::Key_Space);
    Drag(from, {from.x - 10, from.y});
    Key(Qt::Key_Space, Qt::NoModifier, QEvent::KeyRelease);
    EXPECT_EQ(Study().pan, (Point{20, -20}));
    EXPECT_FALSE(IsPresent(Window().State().measure1));
    Click(from);
    EXPECT_TRUE(IsPresent(Window().State().measure1)) << "without Space, a click measures";

    // The drawing is not panned.
    Child<QPushButton>("mode3")->click();
    MiddleDrag(from, to);
    EXPECT_EQ(Study().pan, (Point{20, -20}));
}

} // namespace
} // namespace lumina::test
