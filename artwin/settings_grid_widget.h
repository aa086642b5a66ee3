#pragma once

#include "art/settings_grid.h"

#include <QWidget>

#include <functional>

class QLabel;
class QStandardItemModel;
class QTreeView;
class QModelIndex;

namespace lumina {

class GridChoosers;
class GridDelegate;

// The character-art window's property grid: two columns (caption, value) without a header,
// groups that fold, items in their building order, and a description pane of five rows under
// the list. It shows a SettingsGridModel and writes every edit back into it as text, so the
// model always holds what the run reads back.
class SettingsGrid : public QWidget {
public:
    explicit SettingsGrid(QWidget* parent);
    ~SettingsGrid() override;

    // The dialogs the font and colour items open; the grid does not own them.
    void SetChoosers(GridChoosers* choosers);
    GridChoosers* Choosers() const { return m_choosers; }

    // Shows model (rebuilt from scratch); the grid keeps writing into it until the next call.
    void Show(SettingsGridModel* model);
    // Re-reads titles and values from the model, keeping the folds and the selection.
    void Refresh();
    // Hands an edit still open to the model.
    void CommitEditing();

    // A click on the caption area of a group title, with the group's index.
    void SetOnGroupCaptionClick(std::function<void(size_t group)> onClick) {
        m_onGroupCaptionClick = std::move(onClick);
    }

    // A setting's value changed in the model through an edit of the grid.
    void SetOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }

    QTreeView* Tree() const { return m_tree; }
    QLabel* DescriptionPane() const { return m_description; }
    // The index of a group's title row, or of one of its items' value cells.
    QModelIndex GroupIndex(size_t group) const;
    QModelIndex ValueIndex(size_t group, size_t item) const;
    // The model item behind a cell; nullptr for group rows.
    const GridItem* ItemAt(const QModelIndex& index) const;
    // The description the pane shows ("" when nothing is selected).
    const std::string& Description() const { return m_descriptionText; }

    // The colours of the grid.
    static QColor BackgroundColour();
    static QColor TextColour();
    static QColor GroupBackgroundColour();
    static QColor GroupTextColour();
    static QColor DescriptionBackgroundColour();
    static QColor DescriptionTextColour();
    static QColor LineColour();
    // The dialog font with the height, weight and slant of the menu font.
    static QFont GridFont();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnCurrentChanged(const QModelIndex& current);
    void OnDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);
    void SetExpanded(const QModelIndex& index, bool expanded);
    void ShowDescription(const GridItem* item);
    void FitColumns();

    QTreeView* m_tree;
    QLabel* m_description;
    QStandardItemModel* m_items;
    GridDelegate* m_delegate;
    GridChoosers* m_choosers = nullptr;
    SettingsGridModel* m_model = nullptr;
    std::string m_descriptionText;
    bool m_filling = false;
    std::function<void(size_t)> m_onGroupCaptionClick;
    std::function<void()> m_onChange;
};

} // namespace lumina
