#include "mainwin/char_codes_dlg.h"

#include "widgets/images.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <cstdio>

namespace lumina {
namespace {

constexpr const char* kNone = "なし";

constexpr const char* kCaptions[] = {
    "Unicode：",      "文字名：",         "ブロック：",        "UTF-8：",
    "UTF-16：",       "SJIS (CP932)：",   "JIS X 0208 区点：", "JIS X 0213 面区点：",
    "EUC-JIS-2004：", "Shift_JIS-2004：",
};

template <typename T>
std::string TextOr(const std::optional<T>& value) {
    return value ? value->Text() : std::string(kNone);
}

std::string BytesOr(const std::optional<std::string>& bytes) {
    return bytes ? HexBytes(*bytes) : std::string(kNone);
}

std::string Cp932Or(const std::optional<std::uint16_t>& code) {
    if (!code)
        return kNone;
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(*code));
    return text;
}

std::vector<std::string> ValuesOf(const Character& c) {
    const JapaneseCodes codes = JapaneseCodesOf(c.scalar);
    return {
        CodePointsText(c),         CharName(c),
        BlockName(c.scalar),       HexBytes(Utf8Of(c)),
        HexUnits(Utf16Of(c)),      Cp932Or(codes.cp932),
        TextOr(codes.jisx0208),    TextOr(codes.jisx0213),
        BytesOr(codes.eucJis2004), BytesOr(codes.shiftJis2004),
    };
}

QString NoteOf(const std::optional<Character>& c) {
    if (!c)
        return QStringLiteral("※ このコードは文字ではありません");
    if (c->selector != 0)
        return QStringLiteral("※ SJIS と JIS の各コードは、異体字セレクタを除いた文字のものです");
    return {};
}

} // namespace

std::vector<CodePanelLine> CodePanelLines(const std::optional<Character>& c) {
    const std::vector<std::string> values =
        c ? ValuesOf(*c) : std::vector<std::string>(std::size(kCaptions), kNone);
    std::vector<CodePanelLine> lines;
    for (std::size_t i = 0; i < values.size(); ++i)
        lines.push_back({kCaptions[i], values[i]});
    return lines;
}

CCharCodesDlg::CCharCodesDlg(QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("文字コード"));
    setWindowIcon(AppIcon());
    setObjectName(QStringLiteral("charCodes"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 12, 12, 10);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    const int rows = static_cast<int>(std::size(kCaptions));
    for (int row = 0; row < rows; ++row) {
        auto* caption = new QLabel(QString::fromUtf8(kCaptions[row]), this);
        auto* value = new QLineEdit(this);
        value->setReadOnly(true);
        value->setObjectName(QStringLiteral("code%1").arg(row));
        value->setMinimumWidth(340);
        auto* copy = new QToolButton(this);
        copy->setIcon(ImageIcon(QStringLiteral("copy")));
        copy->setIconSize(QSize(16, 16));
        copy->setToolTip(QStringLiteral("この行の値をクリップボードにコピーします"));
        connect(copy, &QToolButton::clicked, this,
                [value] { QGuiApplication::clipboard()->setText(value->text()); });
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        grid->addWidget(copy, row, 2);
        m_captions.push_back(caption);
        m_values.push_back(value);
        m_copyButtons.push_back(copy);
    }
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("note"));
    grid->addWidget(m_note, rows, 0, 1, 3);

    m_copyAll = new QPushButton(QStringLiteral("すべてコピー(&C)"), this);
    m_copyAll->setToolTip(
        QStringLiteral("すべての行を、見出しとともにクリップボードにコピーします"));
    m_copyAll->setAutoDefault(false);
    connect(m_copyAll, &QPushButton::clicked, this, [this] { CopyAll(); });
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_copyAll);
    buttons->addWidget(close);
    grid->addLayout(buttons, rows + 1, 0, 1, 3);
    close->setFocus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void CCharCodesDlg::ShowCharacter(const std::optional<Character>& c) {
    const std::vector<CodePanelLine> lines = CodePanelLines(c);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        m_values[i]->setText(QString::fromStdString(lines[i].value));
        m_values[i]->setCursorPosition(0);
    }
    const QString note = NoteOf(c);
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}

void CCharCodesDlg::CopyAll() const {
    QString text;
    for (std::size_t i = 0; i < m_values.size(); ++i)
        text += m_captions[i]->text() + m_values[i]->text() + QLatin1Char('\n');
    QGuiApplication::clipboard()->setText(text);
}

} // namespace lumina
