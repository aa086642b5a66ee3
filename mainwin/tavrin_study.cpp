// The view's menu: the study switches of the outline and bitmap pictures, and the zoom. It sits
// on a small button in the view's corner, so that the window's panel keeps its layout.
#include "mainwin/tavrin_dlg.h"

#include "glyph/last_settings.h"
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
    m_studyButton->setMenu(menu);

    connect(m_curves, &QAction::triggered, this,
            [this](bool on) { OnStudySwitch(&StudyOptions::curves, last::DspCurve, on); });
    connect(m_fontPoints, &QAction::triggered, this,
            [this](bool on) { OnStudySwitch(&StudyOptions::fontPoints, last::DspFontPt, on); });
    connect(m_spreadNumbers, &QAction::triggered, this, [this](bool on) {
        OnStudySwitch(&StudyOptions::spreadNumbers, last::DspNoSpread, on);
    });
}

void CTavrinDlg::ShowStudySwitches() {
    const StudyOptions& study = m_state.study;
    m_curves->setChecked(study.curves);
    m_fontPoints->setChecked(study.fontPoints);
    m_spreadNumbers->setChecked(study.spreadNumbers);
    m_hinting[static_cast<std::size_t>(HintingOf(m_state))]->setChecked(true);
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
