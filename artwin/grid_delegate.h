#pragma once

#include <QStyledItemDelegate>

namespace lumina {

class SettingsGrid;

// Paints the grid in its own colours and lines, and gives each kind of item its editor.
class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(SettingsGrid& grid);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    // Hands the editor's value to the model now.
    void Commit(QWidget* editor);

private:
    void CommitAndClose(QWidget* editor);

    SettingsGrid& m_grid;
};

} // namespace lumina
