// The print dialog's controls: a compact panel on the left, the preview frame on the right.
#include "printwin/insatu_dlg.h"

#include "printwin/preview_frame.h"
#include "printwin/spin_buttons.h"
#include "widgets/images.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QVBoxLayout>

namespace lumina {
namespace {

QLabel* Heading(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLineEdit* NumberField(QWidget* parent, const char* name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromUtf8(name));
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(44);
    // Number fields take digits only; what the digits say is checked on every edit.
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    return field;
}

} // namespace

QWidget* CInsatuDlg::BuildPrinterGroup() {
    auto* box = new QWidget(m_panel);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(Heading("1 プリンタ：", box), 0, 0);
    m_setupButton = new QPushButton(QString::fromUtf8("設定(&P)"), box);
    m_setupButton->setObjectName("setup");
    grid->addWidget(m_setupButton, 0, 1, Qt::AlignRight);
    grid->addWidget(new QLabel(QString::fromUtf8("プリンタ名："), box), 1, 0);
    m_printerName = new QLabel(QStringLiteral("Printer Name"), box);
    m_printerName->setObjectName("printerName");
    grid->addWidget(m_printerName, 1, 1);

    auto* orientation = new QWidget(box);
    auto* row = new QHBoxLayout(orientation);
    row->setContentsMargins(0, 0, 0, 0);
    m_portrait = new QRadioButton(QString::fromUtf8("縦"), orientation);
    m_portrait->setObjectName("portrait");
    m_landscape = new QRadioButton(QString::fromUtf8("横"), orientation);
    m_landscape->setObjectName("landscape");
    row->addWidget(m_portrait);
    row->addWidget(m_landscape);
    row->addStretch();
    grid->addWidget(orientation, 2, 0, 1, 2);

    grid->addWidget(new QLabel(QString::fromUtf8("用紙："), box), 3, 0);
    m_paperName = new QLabel(QStringLiteral("A4"), box);
    m_paperName->setObjectName("paperName");
    grid->addWidget(m_paperName, 3, 1);
    grid->addWidget(new QLabel(QString::fromUtf8("サイズ："), box), 4, 0);
    m_paperSize = new QLabel(QString::fromUtf8("? X ? ﾐﾘ"), box);
    m_paperSize->setObjectName("paperSize");
    grid->addWidget(m_paperSize, 4, 1);
    grid->setColumnStretch(1, 1);

    connect(m_setupButton, &QPushButton::clicked, this, [this] { OnSetup(); });
    connect(m_portrait, &QRadioButton::clicked, this, [this] { OnOrientation(1); });
    connect(m_landscape, &QRadioButton::clicked, this, [this] { OnOrientation(2); });
    return box;
}

QWidget* CInsatuDlg::BuildRangeGroup() {
    auto* box = new QWidget(m_panel);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(Heading("2 印刷範囲：", box));
    m_rangeAll = new QRadioButton(QString::fromUtf8("すべてのページ(&A)"), box);
    m_rangeAll->setObjectName("rangeAll");
    m_rangeCurrent = new QRadioButton(QString::fromUtf8("現在のページ(&N)"), box);
    m_rangeCurrent->setObjectName("rangeCurrent");
    m_rangeFromTo = new QRadioButton(QString::fromUtf8("ページ指定(&R)"), box);
    m_rangeFromTo->setObjectName("rangeFromTo");
    auto* group = new QButtonGroup(box);
    for (QRadioButton* button : {m_rangeAll, m_rangeCurrent, m_rangeFromTo}) {
        group->addButton(button);
        column->addWidget(button);
    }
    auto* fields = new QWidget(box);
    auto* row = new QHBoxLayout(fields);
    row->setContentsMargins(16, 0, 0, 0);
    row->addWidget(new QLabel(QString::fromUtf8("開始："), fields));
    m_fromField = NumberField(fields, "from");
    row->addWidget(m_fromField);
    row->addWidget(new QLabel(QString::fromUtf8("- 終了："), fields));
    m_toField = NumberField(fields, "to");
    row->addWidget(m_toField);
    row->addStretch();
    column->addWidget(fields);
    m_allOneBox = new QCheckBox(QString::fromUtf8("全1ページ(&J)"), box);
    m_allOneBox->setObjectName("allOne");
    auto* indent = new QHBoxLayout;
    indent->setContentsMargins(16, 0, 0, 0);
    indent->addWidget(m_allOneBox);
    column->addLayout(indent);

    m_fromField->setText("1");
    m_toField->setText("1");
    connect(m_rangeAll, &QRadioButton::clicked, this, [this] { OnRange(RangeKind::All); });
    connect(m_rangeCurrent, &QRadioButton::clicked, this, [this] { OnRange(RangeKind::Current); });
    connect(m_rangeFromTo, &QRadioButton::clicked, this, [this] { OnRange(RangeKind::FromTo); });
    connect(m_allOneBox, &QCheckBox::clicked, this, [this] { OnAllOne(); });
    connect(m_fromField, &QLineEdit::textChanged, this,
            [this] { OnRangeEdited(RangeField::From); });
    connect(m_toField, &QLineEdit::textChanged, this, [this] { OnRangeEdited(RangeField::To); });
    return box;
}

QWidget* CInsatuDlg::BuildMarginGroup() {
    auto* box = new QWidget(m_panel);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(Heading("3 余白：(max : 50ﾐﾘ)", box), 0, 0, 1, 6);
    constexpr std::array<const char*, 4> kCaptions = {"上", "下", "左", "右"};
    constexpr std::array<const char*, 4> kNames = {"marginTop", "marginBottom", "marginLeft",
                                                   "marginRight"};
    for (int i = 0; i < 4; ++i) {
        const int row = 1 + i / 2;
        const int col = (i % 2) * 3;
        grid->addWidget(new QLabel(QString::fromUtf8(kCaptions[static_cast<std::size_t>(i)]), box),
                        row, col, Qt::AlignRight);
        QLineEdit* field = NumberField(box, kNames[static_cast<std::size_t>(i)]);
        auto* spin = new SpinButtons(*field, box);
        grid->addWidget(field, row, col + 1);
        grid->addWidget(spin, row, col + 2, Qt::AlignLeft);
        m_marginFields[static_cast<std::size_t>(i)] = field;
        m_marginSpins[static_cast<std::size_t>(i)] = spin;
        connect(field, &QLineEdit::textChanged, this, [this, i] { OnMarginEdited(i); });
    }
    grid->setColumnStretch(6, 1);
    m_showMarginsBox = new QCheckBox(QString::fromUtf8("余白を表示(&M)"), box);
    m_showMarginsBox->setObjectName("showMargins");
    grid->addWidget(m_showMarginsBox, 3, 0, 1, 6);
    connect(m_showMarginsBox, &QCheckBox::clicked, this, [this] { OnShowMargins(); });
    return box;
}

QWidget* CInsatuDlg::BuildPreviewGroup() {
    auto* box = new QWidget(m_panel);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    auto* heading = new QHBoxLayout;
    heading->addWidget(Heading("4 プレビュー：", box));
    m_pagesLabel = new QLabel(QString::fromUtf8("(縦 2 × 横 2 ページ)"), box);
    m_pagesLabel->setObjectName("pages");
    heading->addWidget(m_pagesLabel);
    heading->addStretch();
    column->addLayout(heading);

    auto* pageRow = new QHBoxLayout;
    pageRow->setContentsMargins(16, 0, 0, 0);
    m_pageField = NumberField(box, "page");
    m_pageSpin = new SpinButtons(*m_pageField, box);
    m_totalLabel = new QLabel(QString::fromUtf8("/ 10 ページ"), box);
    m_totalLabel->setObjectName("total");
    pageRow->addWidget(m_pageField);
    pageRow->addWidget(m_pageSpin);
    pageRow->addWidget(m_totalLabel);
    pageRow->addStretch();
    column->addLayout(pageRow);

    auto* kinds = new QHBoxLayout;
    constexpr std::array<const char*, 3> kCaptions = {"アウトライン", "ビットマップ", "実際の描画"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(
            LampIcon(false), QString::fromUtf8(kCaptions[static_cast<std::size_t>(i)]), box);
        button->setObjectName(QStringLiteral("kind%1").arg(i + 1));
        button->setCheckable(true);
        button->setAutoDefault(false);
        m_kindButtons[static_cast<std::size_t>(i)] = button;
        kinds->addWidget(button);
        const auto kind = static_cast<DisplayMode>(i + 1);
        connect(button, &QPushButton::clicked, this, [this, kind] { OnDisplayKind(kind); });
    }
    column->addLayout(kinds);
    m_pageField->setText("1");
    connect(m_pageField, &QLineEdit::textChanged, this, [this] { OnPageEdited(); });
    return box;
}

void CInsatuDlg::BuildControls() {
    setWindowTitle(QString::fromUtf8("印刷"));
    m_panel = new QWidget(this);
    auto* column = new QVBoxLayout(m_panel);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(8);

    auto* buttons = new QHBoxLayout;
    m_printButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                                    QString::fromUtf8("印刷実行(&S)"), m_panel);
    m_printButton->setObjectName("print");
    m_printButton->setDefault(true);
    m_cancelButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                     QString::fromUtf8("中止(&C)"), m_panel);
    m_cancelButton->setObjectName("cancel");
    m_cancelButton->setAutoDefault(false);
    buttons->addWidget(m_printButton);
    buttons->addWidget(m_cancelButton);
    column->addLayout(buttons);
    column->addWidget(BuildPrinterGroup());
    column->addWidget(BuildRangeGroup());
    column->addWidget(BuildMarginGroup());
    column->addWidget(BuildPreviewGroup());
    column->addStretch();
    m_panel->adjustSize();
    m_panel->move(0, 0);

    m_preview = new PreviewFrame(this);
    m_preview->setObjectName("preview");
    connect(m_printButton, &QPushButton::clicked, this, [this] { OnPrint(); });
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { reject(); });
    setMouseTracking(true);
}

} // namespace lumina
