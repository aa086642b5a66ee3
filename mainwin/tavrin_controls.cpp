// The main window's controls: a fixed panel along the left and top edges, laid out like a
// dialog template (the controls never move; only the view follows the window's size).
#include "mainwin/tavrin_dlg.h"

#include "mainwin/view_widget.h"
#include "mainwin/widgets.h"
#include "widgets/images.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QToolTip>

namespace lumina {
namespace {

// The opening client size and the view's fixed top-left corner.
constexpr int kOpeningWidth = 996;
constexpr int kOpeningHeight = 658;
constexpr int kViewLeft = 252;
constexpr int kViewTop = 74;

QLabel* Caption(QWidget* parent, const QString& text, const QRect& rect,
                Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(align);
    label->setGeometry(rect);
    return label;
}

// A value field: a sunken static text, right-aligned.
QLabel* Value(QWidget* parent, const QString& name, const QString& initial, const QRect& rect) {
    auto* label = Caption(parent, initial, rect, Qt::AlignRight | Qt::AlignVCenter);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setContentsMargins(2, 0, 4, 0);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLineEdit* Field(QWidget* parent, const QString& name, const QRect& rect) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAlignment(Qt::AlignCenter);
    field->setGeometry(rect);
    return field;
}

QToolButton* ImageButton(QWidget* parent, const QString& name, const QString& image,
                         const QRect& rect, int iconSize) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(ImageIcon(image));
    button->setIconSize(QSize(iconSize, iconSize));
    button->setAutoRaise(false);
    button->setGeometry(rect);
    return button;
}

size_t SwitchIndex(bool ViewOptions::*member) {
    const auto& switches = ViewOptions::Switches();
    for (size_t i = 0; i < switches.size(); ++i) {
        if (switches[i].member == member)
            return i;
    }
    return switches.size();
}

QString KeyName(size_t index) {
    const std::string_view key = ViewOptions::Switches()[index].key;
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace

void CTavrinDlg::BuildControls() {
    QFont dialogFont = font();
    dialogFont.setPointSize(9);
    setFont(dialogFont);
    resize(kOpeningWidth, kOpeningHeight);
    BuildPanel();
    BuildTopBar();

    m_viewRect = {kViewLeft, kViewTop, kOpeningWidth - 5, kOpeningHeight - 5};
    m_view = new GlyphViewWidget(this, m_navigator, [this](QPainter& p) { PaintView(p); });
    m_view->setObjectName(QStringLiteral("view"));
    m_view->setGeometry(m_viewRect.left, m_viewRect.top, m_viewRect.Width(), m_viewRect.Height());
    BuildStudyMenu();
    RegisterTips();
}

void CTavrinDlg::BuildPanel() {
    Caption(this, QStringLiteral("文字："), {8, 8, 62, 24});
    m_charField = Field(this, QStringLiteral("charField"), {72, 8, 52, 24});
    m_charField->setPlaceholderText(QStringLiteral("ex. あ"));
    m_applyChar = ImageButton(this, QStringLiteral("applyChar"), QStringLiteral("refresh"),
                              {126, 8, 26, 24}, 18);
    m_prevCode =
        ImageButton(this, QStringLiteral("prevCode"), QStringLiteral("prev"), {172, 8, 34, 24}, 18);
    m_nextCode =
        ImageButton(this, QStringLiteral("nextCode"), QStringLiteral("next"), {206, 8, 34, 24}, 18);

    Caption(this, QStringLiteral("SJIS Code:"), {8, 38, 62, 24});
    m_codeField = Field(this, QStringLiteral("codeField"), {72, 38, 52, 24});
    // A decimal code, or a character as its code points ("U+20B9F", "U+845B + U+E0100").
    m_codeField->setValidator(new QRegularExpressionValidator(
        QRegularExpression(
            QStringLiteral("[0-9]*|[Uu]\\+[0-9A-Fa-f]{1,6}( \\+ [Uu]\\+[0-9A-Fa-f]{1,6})?")),
        this));
    m_applyCode = ImageButton(this, QStringLiteral("applyCode"), QStringLiteral("refresh"),
                              {126, 38, 26, 24}, 18);
    // Two lines where a variation sequence's code points need them ("U+845B +", "U+E0100").
    m_codeDisplay = Caption(this, QStringLiteral("(0xFFFF)"), {158, 34, 56, 32});
    m_codeDisplay->setObjectName(QStringLiteral("codeDisplay"));
    m_codeDisplay->setWordWrap(true);
    m_codePanelButton = ImageButton(this, QStringLiteral("codePanel"), QStringLiteral("char_codes"),
                                    {216, 38, 24, 24}, 18);

    Caption(this, QStringLiteral("フォント："), {8, 70, 62, 24});
    m_fontList = new QComboBox(this);
    m_fontList->setObjectName(QStringLiteral("fontList"));
    m_fontList->setGeometry(72, 70, 168, 24);
    m_fontList->setMaxVisibleItems(20);

    Caption(this, QStringLiteral("サイズ："), {8, 100, 62, 24});
    m_sizeSpin = new SpinField(this);
    m_sizeSpin->setObjectName(QStringLiteral("sizeSpin"));
    m_sizeSpin->setGeometry(72, 100, 62, 24);
    Caption(this, QStringLiteral("(1～1000P)"), {138, 100, 70, 24});

    Caption(this, QStringLiteral("角度："), {8, 130, 62, 24});
    m_angleSpin = new SpinField(this);
    m_angleSpin->setObjectName(QStringLiteral("angleSpin"));
    m_angleSpin->setGeometry(72, 130, 62, 24);
    Caption(this, QStringLiteral("(0～359度)"), {138, 130, 68, 24});
    m_zeroAngle = new QPushButton(QStringLiteral("&0"), this);
    m_zeroAngle->setObjectName(QStringLiteral("zeroAngle"));
    m_zeroAngle->setGeometry(208, 130, 32, 24);

    m_bold = new QCheckBox(QStringLiteral("太字"), this);
    m_bold->setObjectName(QStringLiteral("bold"));
    m_bold->setGeometry(72, 160, 60, 22);
    m_italic = new QCheckBox(QStringLiteral("イタリック"), this);
    m_italic->setObjectName(QStringLiteral("italic"));
    m_italic->setGeometry(138, 160, 102, 22);

    auto* line = new QFrame(this);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(8, 186, 232, 4);
    Caption(this, QStringLiteral("折点(ブロック)数："), {8, 194, 140, 22});
    m_counts = Value(this, QStringLiteral("counts"), QStringLiteral("88888"), {150, 194, 90, 22});
    Caption(this, QStringLiteral("黒文字部分/描画矩形："), {8, 220, 140, 22});
    m_inkRatio =
        Value(this, QStringLiteral("inkRatio"), QStringLiteral("100%"), {150, 220, 90, 22});

    m_outlineFile = new QPushButton(ImageIcon(QStringLiteral("outline_file")),
                                    QStringLiteral("折点座標をファイル出力(&E)"), this);
    m_outlineFile->setObjectName(QStringLiteral("outlineFile"));
    m_outlineFile->setIconSize(QSize(20, 20));
    m_outlineFile->setGeometry(8, 248, 232, 30);

    BuildMetricGroups(286);
}

void CTavrinDlg::BuildMetricGroups(int top) {
    const int rowHeight = 22;
    // Each switch's check box is named after its key.
    const auto makeSwitch = [this](QWidget* parent, bool ViewOptions::*member,
                                   const QString& caption, const QRect& rect) {
        const size_t index = SwitchIndex(member);
        auto* box = new QCheckBox(caption, parent);
        box->setObjectName(KeyName(index));
        box->setGeometry(rect);
        m_switches[index] = box;
        return box;
    };

    struct GlyphRow {
        const char* caption;
        bool ViewOptions::*member;
        const char* name;
    };
    const GlyphRow glyphRows[] = {
        {"gmBlackBoxX:", &ViewOptions::DspBlackBoxX, "gmBlackBoxX"},
        {"gmBlackBoxY:", &ViewOptions::DspBlackBoxY, "gmBlackBoxY"},
        {"gmptGlyphOrigin.x:", &ViewOptions::DspGlyphOrgX, "gmptGlyphOrigin.x"},
        {"gmptGlyphOrigin.y:", &ViewOptions::DspGlyphOrgY, "gmptGlyphOrigin.y"},
        {"gmCellIncX:", &ViewOptions::DspCellIncX, "gmCellIncX"},
        {"gmCellIncY:", &ViewOptions::DspCellIncY, "gmCellIncY"},
    };
    auto* glyphGroup = new QGroupBox(QStringLiteral("GLYPHMETRICS"), this);
    glyphGroup->setGeometry(8, top, 232, 22 + 6 * rowHeight + 6);
    for (int i = 0; i < 6; ++i) {
        const int y = 20 + i * rowHeight;
        makeSwitch(glyphGroup, glyphRows[i].member, QString::fromLatin1(glyphRows[i].caption),
                   {8, y, 140, 20});
        m_glyphValues[i] = Value(glyphGroup, QString::fromLatin1(glyphRows[i].name),
                                 QStringLiteral("888888888"), {148, y, 76, 20});
    }

    // tmAscent and tmDescent switch their labels; the other values are only shown.
    const char* textRows[] = {"tmHeight",          "tmAscent",          "tmDescent",
                              "tmInternalLeading", "tmExternalLeading", "tmAveCharWidth",
                              "tmMaxCharWidth",    "tmWeight"};
    const int textTop = top + glyphGroup->height() + 6;
    auto* textGroup = new QGroupBox(QStringLiteral("TEXTMETRIC"), this);
    textGroup->setGeometry(8, textTop, 232, 22 + 8 * rowHeight + 6);
    for (int i = 0; i < 8; ++i) {
        const int y = 20 + i * rowHeight;
        const QString caption = QString::fromLatin1(textRows[i]) + QLatin1Char(':');
        if (i == 1 || i == 2) {
            makeSwitch(textGroup, i == 1 ? &ViewOptions::DspAscent : &ViewOptions::DspDescent,
                       caption, {8, y, 140, 20});
        } else {
            Caption(textGroup, caption, {26, y, 122, 20});
        }
        m_textValues[i] = Value(textGroup, QString::fromLatin1(textRows[i]),
                                QStringLiteral("888888888"), {148, y, 76, 20});
    }
}

void CTavrinDlg::BuildTopBar() {
    const char* modeCaptions[] = {"アウトライン(&A)", "ビットマップ(&B)", "実際の描画(&C)"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(QString::fromUtf8(modeCaptions[i]), this);
        button->setObjectName(QStringLiteral("mode%1").arg(i + 1));
        button->setCheckable(true);
        button->setIconSize(QSize(16, 16));
        button->setGeometry(kViewLeft + i * 126, 8, 124, 26);
        m_modeButtons[i] = button;
    }

    struct TopSwitch {
        bool ViewOptions::*member;
        const char* caption;
        int x;
        int width;
    };
    const TopSwitch topSwitches[] = {{&ViewOptions::DspPos, "折点", 254, 52},
                                     {&ViewOptions::DspNo, "№", 308, 40},
                                     {&ViewOptions::DspCenter, "中心線", 350, 64},
                                     {&ViewOptions::DspDrawOrg, "描画基点", 416, 76},
                                     {&ViewOptions::DspGlyphOrg, "グリフ基点", 494, 90}};
    for (const TopSwitch& s : topSwitches) {
        const size_t index = SwitchIndex(s.member);
        auto* box = new QCheckBox(QString::fromUtf8(s.caption), this);
        box->setObjectName(KeyName(index));
        box->setGeometry(s.x, 42, s.width, 22);
        m_switches[index] = box;
    }
    m_centre = ImageButton(this, QStringLiteral("centre"), QStringLiteral("centre"),
                           {600, 40, 28, 26}, 20);

    Caption(this, QStringLiteral("文字部分："), {642, 8, 64, 24});
    m_bit1Field = Field(this, QStringLiteral("bit1Field"), {706, 8, 40, 24});
    Caption(this, QStringLiteral("外周部分："), {642, 40, 64, 24});
    m_bit0Field = Field(this, QStringLiteral("bit0Field"), {706, 40, 40, 24});

    m_bitPicture = ImageButton(this, QStringLiteral("bitPicture"), QStringLiteral("bit_picture"),
                               {754, 6, 84, 60}, 32);
    m_bitPicture->setText(QStringLiteral("文字文字(&F)"));
    m_bitPicture->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_characterArt = new DropButton(this);
    m_characterArt->setObjectName(QStringLiteral("characterArt"));
    m_characterArt->setIcon(ImageIcon(QStringLiteral("char_art")));
    m_characterArt->setIconSize(QSize(32, 32));
    m_characterArt->setText(QStringLiteral("文字絵(&M)"));
    m_characterArt->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_characterArt->setGeometry(842, 6, 84, 60);

    m_print =
        ImageButton(this, QStringLiteral("print"), QStringLiteral("print"), {932, 6, 28, 28}, 20);
    m_about =
        ImageButton(this, QStringLiteral("about"), QStringLiteral("about"), {962, 6, 28, 28}, 20);
    m_manual = ImageButton(this, QStringLiteral("manual"), QStringLiteral("manual"),
                           {932, 38, 28, 28}, 20);
    m_exit =
        ImageButton(this, QStringLiteral("exit"), QStringLiteral("exit"), {962, 38, 28, 28}, 20);
    // The caption gives the exit button its Alt+X.
    m_exit->setText(QStringLiteral("終了(&X)"));
    m_exit->setToolButtonStyle(Qt::ToolButtonIconOnly);
}

void CTavrinDlg::RegisterTips() {
    const QFontMetrics metrics(QToolTip::font());
    const auto tip = [&](QWidget* widget, const char* text) {
        widget->setToolTip(WrapTip(QString::fromUtf8(text), metrics, 512));
    };
    tip(m_applyChar, "ビューの文字を文字入力欄に入力された文字に変更します");
    tip(m_applyCode, "ビューの文字をSJIS Code入力欄に入力されたコードの文字に変更します");
    tip(m_prevCode, "ビューの文字を１つ前のコードの文字に変更します");
    tip(m_nextCode, "ビューの文字を１つ後のコードの文字に変更します");
    tip(m_zeroAngle, "角度を0度にします");
    tip(m_codePanelButton, "ビューの文字の文字コード（Unicode、SJIS、JIS など）を一覧表示します");
    ShowGlyphPresence(false);
    tip(m_inkRatio, "文字の黒さをパーセントで表しています。描画矩形 = (tmAscent + tmDescent) × "
                    "BaseLine です");
    tip(m_outlineFile, "ビューに表示している文字の折点座標をファイル出力します");
    const auto tipOf = [&](bool ViewOptions::*member, const char* text) {
        tip(m_switches[SwitchIndex(member)], text);
    };
    tipOf(&ViewOptions::DspGlyphOrgX, "BaseLine起点からグリフ基点までの水平距離です");
    tipOf(&ViewOptions::DspGlyphOrgY, "BaseLine起点からグリフ基点までの垂直距離です");
    tipOf(&ViewOptions::DspCellIncX, "BaseLine起点から次の文字のBaseLine起点までの水平距離です");
    tipOf(&ViewOptions::DspCellIncY, "BaseLine起点から次の文字のBaseLine起点までの垂直距離です");
    tipOf(&ViewOptions::DspBlackBoxX, "グリフ矩形の幅です");
    tipOf(&ViewOptions::DspBlackBoxY, "グリフ矩形の高さです");
    tipOf(&ViewOptions::DspAscent, "描画基点からBaseLine起点までの距離です");
    tipOf(&ViewOptions::DspDescent, "BaseLine起点から文字全体矩形の左下までの距離です");
    tip(m_modeButtons[0], "アウトライン表示に切り替えます");
    tip(m_modeButtons[1], "ビットマップ表示に切り替えます");
    tip(m_modeButtons[2], "描画基点に、指定した条件で実際に描画します");
    tip(m_centre, "描画基点をビューの中央にします");
    tip(m_bit1Field, "文字部分のビットを表現する文字をセットします\n※ "
                     "例えば、\"1\"と\"0\"で出力するときは、\"1\"にします");
    tip(m_bit0Field, "文字以外の外周部分のビットを表現する文字をセットします\n※ "
                     "例えば、\"1\"と\"0\"で出力するときは、\"0\"にします");
    tip(m_bitPicture, "ビューに表示している文字のビット情報を\n右側にセットした文字を使用して"
                      "ファイル出力します");
    tip(m_characterArt, "指定しイメージを文字で表現します\n※ "
                        "イメージは、このボタンへドラッグ＆ドロップしてもセットできます");
    tip(m_print, "ビューに表示している内容を印刷します");
    tip(m_about, "バージョン情報を表示します");
    tip(m_manual, "取扱い説明書を表示します");
    tip(m_exit, "ルミナ・グラフを終了します");
}

void CTavrinDlg::ShowGlyphPresence(bool missing) {
    m_countsNote.missing = missing;
    ShowCountsTip();
}

// One tooltip for the counts field: what is counted, numbers left out, a missing glyph.
void CTavrinDlg::ShowCountsTip() {
    QString text = m_countsNote.fontPoints
                       ? QStringLiteral("フォントが持つ点（制御点を含みます）と、輪郭の数です")
                       : QStringLiteral("文字を描画する点（制御点は含みません）と、ブロック数です");
    if (m_countsNote.numbersLeftOut > 0)
        text += QStringLiteral("\n※ 重なるため表示していない番号が %1 個あります")
                    .arg(m_countsNote.numbersLeftOut);
    if (m_countsNote.missing)
        text += QStringLiteral("\n※ このフォントにはこの文字のグリフがありません。代わりに"
                               "フォントの .notdef グリフ（グリフのない文字に使う形）を表示して"
                               "います");
    m_counts->setToolTip(WrapTip(text, QFontMetrics(QToolTip::font()), 512));
}

} // namespace lumina
