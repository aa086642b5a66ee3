#include "artwin/grid_editors.h"

#include "art/settings.h"
#include "art/settings_grid.h"
#include "artwin/grid_choosers.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

#include <algorithm>
#include <climits>

namespace lumina {
namespace {

QColor ToQColor(COLORREF c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

QIcon SwatchIcon(COLORREF colour, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(ToQColor(colour));
    QPainter painter(&pixmap);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, size - 1, size - 1);
    return QIcon(pixmap);
}

// "face(size)" split at its last "(" and the first ")" after it.
QFont InitialFont(const std::string& text, const QFont& base) {
    QFont font = base;
    const size_t open = text.rfind('(');
    if (open == std::string::npos)
        return font;
    font.setFamily(QString::fromStdString(text.substr(0, open)));
    const size_t close = text.find(')', open);
    if (close != std::string::npos) {
        const long size = ParseDecimal(std::string_view(text).substr(open + 1, close - open - 1));
        font.setPointSize(static_cast<int>(std::clamp<long>(size, 1, 1000)));
    }
    font.setBold(false);
    font.setItalic(false);
    return font;
}

} // namespace

RangeSpin::RangeSpin(int low, int high, QWidget* parent)
    : QSpinBox(parent)
    , m_low(low)
    , m_high(high) {
    // Typing is free; only the arrows keep to the item's range.
    setRange(INT_MIN, INT_MAX);
    setFrame(false);
    setAccelerated(true);
}

void RangeSpin::stepBy(int steps) {
    const long long next = static_cast<long long>(value()) + steps;
    setValue(static_cast<int>(std::clamp<long long>(next, m_low, m_high)));
    selectAll();
    if (m_onStepped)
        m_onStepped();
}

QAbstractSpinBox::StepEnabled RangeSpin::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() < m_high)
        enabled |= StepUpEnabled;
    if (value() > m_low)
        enabled |= StepDownEnabled;
    return enabled;
}

FontEditor::FontEditor(GridChoosers* choosers, QWidget* parent)
    : QWidget(parent)
    , m_choosers(choosers)
    , m_field(new QLineEdit(this))
    , m_button(new QToolButton(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_field->setReadOnly(true);
    m_field->setFrame(false);
    m_button->setObjectName("chooseFont");
    m_button->setText(QStringLiteral("..."));
    m_button->setFocusPolicy(Qt::NoFocus);
    row->addWidget(m_field, 1);
    row->addWidget(m_button);
    setFocusProxy(m_field);
    connect(m_button, &QToolButton::clicked, this, [this] { Choose(); });
}

void FontEditor::SetText(const std::string& text) {
    m_text = text;
    m_field->setText(QString::fromStdString(text));
}

bool FontEditor::Choose() {
    if (!m_choosers)
        return false;
    const auto chosen = m_choosers->ChooseFont(InitialFont(m_text, QApplication::font()), this);
    if (!chosen)
        return false;
    SetText(FontItemText(chosen->family().toStdString(), chosen->pointSize()));
    if (m_onPicked)
        m_onPicked();
    return true;
}

const std::vector<COLORREF>& StandardColours() {
    static const std::vector<COLORREF> colours = {
        Rgb(0, 0, 0),       Rgb(153, 51, 0),    Rgb(51, 51, 0),     Rgb(0, 51, 0),
        Rgb(0, 51, 102),    Rgb(0, 0, 128),     Rgb(51, 51, 153),   Rgb(51, 51, 51),
        Rgb(128, 0, 0),     Rgb(255, 102, 0),   Rgb(128, 128, 0),   Rgb(0, 128, 0),
        Rgb(0, 128, 128),   Rgb(0, 0, 255),     Rgb(102, 102, 153), Rgb(128, 128, 128),
        Rgb(255, 0, 0),     Rgb(255, 153, 0),   Rgb(153, 204, 0),   Rgb(51, 153, 102),
        Rgb(51, 204, 204),  Rgb(51, 102, 255),  Rgb(128, 0, 128),   Rgb(153, 153, 153),
        Rgb(255, 0, 255),   Rgb(255, 204, 0),   Rgb(255, 255, 0),   Rgb(0, 255, 0),
        Rgb(0, 255, 255),   Rgb(0, 204, 255),   Rgb(153, 51, 102),  Rgb(192, 192, 192),
        Rgb(255, 153, 204), Rgb(255, 204, 153), Rgb(255, 255, 153), Rgb(204, 255, 204),
        Rgb(204, 255, 255), Rgb(153, 204, 255), Rgb(204, 153, 255), Rgb(255, 255, 255),
    };
    return colours;
}

ColourPalette::ColourPalette(GridChoosers* choosers, COLORREF current, QWidget* parent)
    : QFrame(parent, Qt::Popup)
    , m_choosers(choosers)
    , m_current(current)
    , m_other(new QToolButton(this)) {
    setObjectName("colourPalette");
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(2);
    const auto& colours = StandardColours();
    for (size_t i = 0; i < colours.size(); ++i) {
        auto* swatch = new QToolButton(this);
        swatch->setIcon(SwatchIcon(colours[i], 14));
        swatch->setIconSize(QSize(14, 14));
        swatch->setAutoRaise(true);
        swatch->setCheckable(true);
        swatch->setChecked(colours[i] == current);
        const COLORREF colour = colours[i];
        connect(swatch, &QToolButton::clicked, this, [this, colour] { Pick(colour); });
        grid->addWidget(swatch, static_cast<int>(i / 8), static_cast<int>(i % 8));
        m_swatches.push_back(swatch);
    }
    m_other->setObjectName("otherColour");
    m_other->setText(QString::fromUtf8("その他 "));
    m_other->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_other->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    grid->addWidget(m_other, 5, 0, 1, 8);
    connect(m_other, &QToolButton::clicked, this, [this] { ChooseOther(); });
}

void ColourPalette::Pick(COLORREF colour) {
    auto onPicked = m_onPicked;
    close();
    if (onPicked)
        onPicked(colour);
}

void ColourPalette::ChooseOther() {
    // The popup goes first: the colour dialog is modal and would sit behind it.
    hide();
    const auto colour =
        m_choosers ? m_choosers->ChooseColour(ToQColor(m_current), parentWidget()) : std::nullopt;
    if (colour) {
        Pick(Rgb(colour->red(), colour->green(), colour->blue()));
        return;
    }
    close();
}

ColourEditor::ColourEditor(GridChoosers* choosers, QWidget* parent)
    : QWidget(parent)
    , m_choosers(choosers)
    , m_button(new QToolButton(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    m_button->setObjectName("dropPalette");
    m_button->setArrowType(Qt::DownArrow);
    m_button->setFocusPolicy(Qt::NoFocus);
    row->addWidget(m_button);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    connect(m_button, &QToolButton::clicked, this, [this] { OpenPalette(); });
}

void ColourEditor::SetColour(COLORREF colour) {
    m_colour = colour;
    update();
}

void ColourEditor::OpenPalette() {
    if (m_palette)
        return;
    m_palette = new ColourPalette(m_choosers, m_colour, this);
    m_palette->SetOnPicked([this](COLORREF colour) {
        SetColour(colour);
        if (m_onPicked)
            m_onPicked();
    });
    m_palette->adjustSize();
    const QPoint below = mapToGlobal(QPoint(0, height()));
    m_palette->move(below);
    m_palette->show();
}

void ColourEditor::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int side = std::max(height() - 6, 4);
    const QRect swatch(3, (height() - side) / 2, side + side / 2, side);
    painter.fillRect(swatch, ToQColor(m_colour));
    painter.setPen(QColor(0, 0, 0));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    const QRect text(swatch.right() + 5, 0, m_button->x() - swatch.right() - 6, height());
    painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, ColourCaption(m_colour));
}

QString ColourCaption(COLORREF colour) {
    return QStringLiteral("%1, %2, %3").arg(RedOf(colour)).arg(GreenOf(colour)).arg(BlueOf(colour));
}

} // namespace lumina
