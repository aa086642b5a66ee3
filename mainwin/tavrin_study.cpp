// The view's menu: the study switches of the outline and bitmap pictures, and the zoom. It sits
// on a small button in the view's corner, so that the window's panel keeps its layout.
#include "mainwin/tavrin_dlg.h"

#include "glyph/last_settings.h"
#include "mainwin/compare_face_dlg.h"
#include "mainwin/view_widget.h"
#include "mainwin/widgets.h"
#include "services/services.h"
#include "widgets/images.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QToolTip>

namespace lumina {
namespace {

QAction* AddAction(QMenu* menu, const char* caption, const char* tip, bool checkable) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setToolTip(QString::fromUtf8(tip));
    action->setCheckable(checkable);
    return action;
}

} // namespace

void CTavrinDlg::BuildStudyMenu() {
    m_studyButton = new QToolButton(m_view);
    m_studyButton->setObjectName(QStringLiteral("studyMenu"));
    m_studyButton->setIcon(ImageIcon(QStringLiteral("study")));
    m_studyButton->setIconSize(QSize(18, 18));
    m_studyButton->resize(30, 26);
    // The caption gives the button its Alt+V; the button shows only its picture.
    m_studyButton->setText(QStringLiteral("表示(&V)"));
    m_studyButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_studyButton->setPopupMode(QToolButton::InstantPopup);
    m_studyButton->setToolTip(QStringLiteral(
        "アウトラインとビットマップの表示（曲線・元の点・ヒンティング・拡大）を切り替えます"));
    m_studyButton->setFocusPolicy(Qt::NoFocus);
    m_view->SetCornerWidget(m_studyButton);

    auto* menu = new QMenu(m_studyButton);
    menu->setObjectName(QStringLiteral("studyMenuItems"));
    menu->setToolTipsVisible(true);
    m_curves = AddAction(
        menu, "曲線", "アウトラインを折点の間の直線ではなく曲線で描き、制御点を表示します", true);
    m_fontPoints = AddAction(menu, "元の点",
                             "フォントが持つ元の点を、フォントの順番（0から）の番号つきで表示し"
                             "ます\n※ ●はオンカーブ点、○はオフカーブ点、□は3次の制御点です",
                             true);
    QMenu* hinting = menu->addMenu(QStringLiteral("ヒンティング"));
    hinting->setToolTipsVisible(true);
    hinting->menuAction()->setToolTip(QStringLiteral("ヒンティングの有無を切り替えます"));
    auto* group = new QActionGroup(hinting);
    const char* hintCaptions[] = {"有効", "無効", "比較"};
    const char* hintTips[] = {"フォントのヒンティングを使って描画します",
                              "ヒンティングを使わずに描画します",
                              "ヒンティングを使ったアウトラインの下に、使わないアウトラインを"
                              "薄い色で表示します"};
    for (int i = 0; i < 3; ++i) {
        m_hinting[i] = AddAction(hinting, hintCaptions[i], hintTips[i], true);
        group->addAction(m_hinting[i]);
        connect(m_hinting[i], &QAction::triggered, this,
                [this, i] { OnHinting(static_cast<Hinting>(i)); });
    }
    m_spreadNumbers = AddAction(menu, "番号を重ねない",
                                "番号が重ならないように位置をずらして表示します\n※ "
                                "置く場所がない番号は表示しません",
                                true);
    menu->addSeparator();
    const struct {
        const char* caption;
        const char* tip;
        ZoomCommand command;
    } zooms[] = {
        {"拡大\t+", "アウトラインとビットマップを拡大します（＋キー、Alt＋ホイール）",
         ZoomCommand::In},
        {"縮小\t-", "アウトラインとビットマップを縮小します（－キー、Alt＋ホイール）",
         ZoomCommand::Out},
        {"等倍\t1", "拡大をやめて等倍に戻します（1キー）", ZoomCommand::Actual},
        {"全体表示\t0", "文字全体がビューに収まる倍率にします（0キー）", ZoomCommand::Fit},
    };
    for (const auto& zoom : zooms) {
        QAction* action = AddAction(menu, zoom.caption, zoom.tip, false);
        const ZoomCommand command = zoom.command;
        connect(action, &QAction::triggered, this, [this, command] { m_navigator.Zoom(command); });
    }
    menu->addSeparator();
    BuildFaceItems(menu);
    m_studyButton->setMenu(menu);

    connect(m_curves, &QAction::triggered, this,
            [this](bool on) { OnStudySwitch(&StudyOptions::curves, last::DspCurve, on); });
    connect(m_fontPoints, &QAction::triggered, this,
            [this](bool on) { OnStudySwitch(&StudyOptions::fontPoints, last::DspFontPt, on); });
    connect(m_spreadNumbers, &QAction::triggered, this, [this](bool on) {
        OnStudySwitch(&StudyOptions::spreadNumbers, last::DspNoSpread, on);
    });
}

void CTavrinDlg::BuildFaceItems(QMenu* menu) {
    m_compare = AddAction(menu, "比較フォント",
                          "別のフォントの同じ文字を、同じ描画基点とベースラインにそろえて別の色で"
                          "重ねて表示します\n※ 比較フォントの値は各数値欄のツールチップに表示"
                          "します",
                          true);
    QAction* choose = AddAction(menu, "比較フォントの選択...",
                                "重ねて表示するフォントと、その太字・イタリックを選びます", false);
    m_frames = AddAction(menu, "字面枠",
                         "実際の描画に仮想ボディ・平均字面と、hhea・OS/2 typo・OS/2 win の"
                         "アセント・ディセントの線を名前と値つきで表示します",
                         true);
    m_vertical = AddAction(menu, "縦書き",
                           "縦書きのときのグリフ（vert・vrt2 で置き換えた形）を縦書きの基点と"
                           "送り幅で表示します",
                           true);
    connect(m_compare, &QAction::triggered, this, &CTavrinDlg::OnCompare);
    connect(choose, &QAction::triggered, this, &CTavrinDlg::ChooseCompareFace);
    connect(m_frames, &QAction::triggered, this,
            [this](bool on) { OnFaceSwitch(&FaceViews::frames, last::DspFrames, on); });
    connect(m_vertical, &QAction::triggered, this,
            [this](bool on) { OnFaceSwitch(&FaceViews::vertical, last::DspVertical, on); });
}

void CTavrinDlg::OnFaceSwitch(bool FaceViews::*member, const BoolSetting& row, bool on) {
    m_state.faces.*member = on;
    row.Write(m_services.settings, on);
    Refresh();
}

void CTavrinDlg::OnCompare(bool on) {
    // The first time there is no face to compare with: it is chosen first.
    if (on && m_state.faces.compareFace.face.empty()) {
        ChooseCompareFace();
        return;
    }
    OnFaceSwitch(&FaceViews::compare, last::DspCompare, on);
}

void CTavrinDlg::ChooseCompareFace() {
    CCompareFaceDlg dialog(m_services.fonts.Families(), m_state.faces.compareFace, this);
    if (dialog.exec() != QDialog::Accepted || dialog.Chosen().face.empty()) {
        m_compare->setChecked(m_state.faces.Comparing());
        return;
    }
    const CompareFace chosen = dialog.Chosen();
    m_state.faces.compareFace = chosen;
    last::CompareFont.Write(m_services.settings, chosen.face);
    last::CompareBold.Write(m_services.settings, chosen.bold);
    last::CompareItalic.Write(m_services.settings, chosen.italic);
    m_compare->setChecked(true);
    OnFaceSwitch(&FaceViews::compare, last::DspCompare, true);
}

void CTavrinDlg::ShowCompareValues(const CompareValues* values) {
    const auto tipOf = [values](QLabel* field, std::optional<int> value) {
        if (!values || !value) {
            field->setToolTip(QString());
            return;
        }
        field->setToolTip(QStringLiteral("比較フォント（%1）：%2")
                              .arg(QString::fromStdString(values->family))
                              .arg(*value));
    };
    const TextMetrics t = values ? values->text : TextMetrics{};
    const int text[] = {t.tmHeight,          t.tmAscent,          t.tmDescent,
                        t.tmInternalLeading, t.tmExternalLeading, t.tmAveCharWidth,
                        t.tmMaxCharWidth,    t.tmWeight};
    for (std::size_t i = 0; i < m_textValues.size(); ++i)
        tipOf(m_textValues[i], text[i]);
    const std::optional<GlyphMetrics> g = values ? values->glyph : std::nullopt;
    for (std::size_t i = 0; i < m_glyphValues.size(); ++i) {
        if (!g) {
            tipOf(m_glyphValues[i], std::nullopt);
            continue;
        }
        const int glyph[] = {static_cast<int>(g->gmBlackBoxX),
                             static_cast<int>(g->gmBlackBoxY),
                             g->gmptGlyphOrigin.x,
                             g->gmptGlyphOrigin.y,
                             g->gmCellIncX,
                             g->gmCellIncY};
        tipOf(m_glyphValues[i], glyph[i]);
    }
}

void CTavrinDlg::ShowStudySwitches() {
    const StudyOptions& study = m_state.study;
    m_curves->setChecked(study.curves);
    m_fontPoints->setChecked(study.fontPoints);
    m_spreadNumbers->setChecked(study.spreadNumbers);
    m_hinting[static_cast<std::size_t>(HintingOf(m_state))]->setChecked(true);
    m_compare->setChecked(m_state.faces.Comparing());
    m_frames->setChecked(m_state.faces.frames);
    m_vertical->setChecked(m_state.faces.vertical);
}

void CTavrinDlg::OnStudySwitch(bool StudyOptions::*member, const BoolSetting& row, bool on) {
    m_state.study.*member = on;
    row.Write(m_services.settings, on);
    Refresh();
}

void CTavrinDlg::OnHinting(Hinting hinting) {
    if (hinting == HintingOf(m_state))
        return;
    SetHinting(m_state, hinting);
    last::HintMode.Write(m_services.settings, static_cast<int>(hinting));
    Refresh();
}

int CTavrinDlg::FitZoom() const {
    return m_glyphView.FitZoom(m_state.mode);
}

void CTavrinDlg::ShowCountsNote(bool fontPoints, int numbersLeftOut) {
    m_countsNote.fontPoints = fontPoints;
    m_countsNote.numbersLeftOut = numbersLeftOut;
    ShowCountsTip();
}

} // namespace lumina
