#include "artwin/grid_delegate.h"

#include "art/settings.h"
#include "artwin/grid_editors.h"
#include "artwin/settings_grid_widget.h"

#include <QComboBox>
#include <QPainter>

namespace lumina {
namespace {

QColor ToQColor(COLORREF c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

void PaintColourValue(QPainter& painter, const QRect& cell, COLORREF colour) {
    const int side = std::max(cell.height() - 6, 4);
    const QRect swatch(cell.left() + 3, cell.top() + (cell.height() - side) / 2, side + side / 2,
                       side);
    painter.fillRect(swatch, ToQColor(colour));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    const QRect text = cell.adjusted(swatch.width() + 8, 0, -2, 0);
    painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, ColourCaption(colour));
}

} // namespace

GridDelegate::GridDelegate(SettingsGrid& grid)
    : QStyledItemDelegate(&grid)
    , m_grid(grid) {}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    painter->save();
    const QRect cell = option.rect;
    const bool group = !index.parent().isValid();
    const GridItem* item = m_grid.ItemAt(index);
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    QColor text = group ? SettingsGrid::GroupTextColour() : SettingsGrid::TextColour();
    if (group) {
        painter->fillRect(cell, SettingsGrid::GroupBackgroundColour());
    } else if (selected && index.column() == 0) {
        painter->fillRect(cell, option.palette.color(QPalette::Highlight));
        text = option.palette.color(QPalette::HighlightedText);
    } else {
        painter->fillRect(cell, SettingsGrid::BackgroundColour());
    }
    QFont font = option.font;
    font.setBold(group);
    painter->setFont(font);
    painter->setPen(text);
    const QRect textRect = cell.adjusted(4, 0, -2, 0);
    if (item && index.column() == 1 && item->kind == GridItemKind::Colour) {
        PaintColourValue(*painter, cell, static_cast<COLORREF>(ParseColourText(item->value, 0)));
    } else {
        const QString shown = index.data(Qt::DisplayRole).toString();
        painter->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                          option.fontMetrics.elidedText(shown, Qt::ElideRight, textRect.width()));
    }
    painter->setPen(SettingsGrid::LineColour());
    painter->drawLine(cell.bottomLeft(), cell.bottomRight());
    if (!group && index.column() == 0)
        painter->drawLine(cell.topRight(), cell.bottomRight());
    painter->restore();
}

QSize GridDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(size.height(), option.fontMetrics.height() + 6));
    return size;
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
    const GridItem* item = m_grid.ItemAt(index);
    if (!item || index.column() != 1)
        return nullptr;
    auto* self = const_cast<GridDelegate*>(this);
    switch (item->kind) {
    case GridItemKind::ReadOnly:
        return nullptr;
    case GridItemKind::Boolean:
    case GridItemKind::Choice: {
        // A pick list without typing.
        auto* list = new QComboBox(parent);
        list->setEditable(false);
        list->setFrame(false);
        for (const auto& option : item->options)
            list->addItem(QString::fromStdString(option));
        connect(list, &QComboBox::activated, self, [self, list] { self->CommitAndClose(list); });
        return list;
    }
    case GridItemKind::Spin: {
        // A step is a finished change, which a live preview may act on; typing waits for the
        // editor to close.
        auto* spin = new RangeSpin(item->spinMin, item->spinMax, parent);
        spin->SetOnStepped([self, spin] { self->Commit(spin); });
        return spin;
    }
    case GridItemKind::Font: {
        auto* editor = new FontEditor(m_grid.Choosers(), parent);
        editor->SetOnPicked([self, editor] { self->Commit(editor); });
        return editor;
    }
    case GridItemKind::Colour: {
        auto* editor = new ColourEditor(m_grid.Choosers(), parent);
        editor->SetOnPicked([self, editor] { self->CommitAndClose(editor); });
        return editor;
    }
    }
    return nullptr;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    // The cell's own text: the view calls this from the cell's change signal, before the grid
    // model has heard of the change.
    const std::string value = index.data(Qt::EditRole).toString().toStdString();
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        list->setCurrentIndex(std::max(list->findText(QString::fromStdString(value)), 0));
    } else if (auto* spin = dynamic_cast<RangeSpin*>(editor)) {
        spin->setValue(static_cast<int>(ParseDecimal(value)));
    } else if (auto* font = dynamic_cast<FontEditor*>(editor)) {
        font->SetText(value);
    } else if (auto* colour = dynamic_cast<ColourEditor*>(editor)) {
        colour->SetColour(ParseColourText(value, 0));
    }
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    QString text;
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        text = list->currentText();
    } else if (auto* spin = dynamic_cast<RangeSpin*>(editor)) {
        spin->interpretText();
        text = QString::number(spin->value());
    } else if (auto* font = dynamic_cast<FontEditor*>(editor)) {
        text = QString::fromStdString(font->Text());
    } else if (auto* colour = dynamic_cast<ColourEditor*>(editor)) {
        text = QString::fromStdString(ColourText(colour->Colour()));
    } else {
        return;
    }
    model->setData(index, text, Qt::EditRole);
}

void GridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex&) const {
    // Inside the cell's lines.
    editor->setGeometry(option.rect.adjusted(1, 0, 0, -1));
}

void GridDelegate::Commit(QWidget* editor) {
    emit commitData(editor);
}

void GridDelegate::CommitAndClose(QWidget* editor) {
    emit commitData(editor);
    emit closeEditor(editor);
}

} // namespace lumina
