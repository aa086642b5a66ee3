#include "artwin/settings_grid_widget.h"

#include "artwin/grid_delegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace lumina {
namespace {

constexpr int kGroupRole = Qt::UserRole + 1;
constexpr int kItemRole = Qt::UserRole + 2; // -1 on a group's title row
constexpr int kDescriptionRows = 5;

QString HtmlLines(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped().replace(QLatin1Char('\n'),
                                                                QStringLiteral("<br>"));
}

// A cell whose text is already the same is left alone: an editor open on it keeps its text.
void SetTextIfOther(QStandardItem& cell, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (cell.text() != shown)
        cell.setText(shown);
}

QStandardItem* Cell(const std::string& text, size_t group, int item, bool editable) {
    auto* cell = new QStandardItem(QString::fromStdString(text));
    cell->setData(static_cast<qulonglong>(group), kGroupRole);
    cell->setData(item, kItemRole);
    cell->setEditable(editable);
    return cell;
}

} // namespace

QColor SettingsGrid::BackgroundColour() {
    return QColor(255, 254, 227);
}
QColor SettingsGrid::TextColour() {
    return QColor(35, 53, 17);
}
QColor SettingsGrid::GroupBackgroundColour() {
    return QColor(182, 200, 243);
}
QColor SettingsGrid::GroupTextColour() {
    return QColor(33, 102, 49);
}
QColor SettingsGrid::DescriptionBackgroundColour() {
    return QColor(224, 254, 194);
}
QColor SettingsGrid::DescriptionTextColour() {
    return QColor(26, 66, 162);
}
QColor SettingsGrid::LineColour() {
    return QColor(186, 1, 117);
}

QFont SettingsGrid::GridFont() {
    QFont font = QApplication::font("QDialog");
    const QFont menu = QApplication::font("QMenu");
    if (menu.pointSizeF() > 0)
        font.setPointSizeF(menu.pointSizeF());
    else if (menu.pixelSize() > 0)
        font.setPixelSize(menu.pixelSize());
    font.setWeight(menu.weight());
    font.setItalic(menu.italic());
    return font;
}

SettingsGrid::SettingsGrid(QWidget* parent)
    : QWidget(parent)
    , m_tree(new QTreeView(this))
    , m_description(new QLabel(this))
    , m_items(new QStandardItemModel(this))
    , m_delegate(new GridDelegate(*this)) {
    setFont(GridFont());
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(3);

    m_tree->setObjectName("settingsTree");
    m_tree->setModel(m_items);
    m_tree->setItemDelegate(m_delegate);
    m_tree->setHeaderHidden(true);
    m_tree->setSortingEnabled(false);
    m_tree->setUniformRowHeights(true);
    m_tree->setAllColumnsShowFocus(false);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                            QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_tree->setIndentation(m_tree->fontMetrics().height());
    m_tree->header()->setStretchLastSection(true);
    QPalette colours = m_tree->palette();
    colours.setColor(QPalette::Base, BackgroundColour());
    colours.setColor(QPalette::Window, BackgroundColour());
    colours.setColor(QPalette::Text, TextColour());
    m_tree->setPalette(colours);
    m_tree->viewport()->installEventFilter(this);
    column->addWidget(m_tree, 1);

    m_description->setObjectName("description");
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_description->setTextFormat(Qt::RichText);
    m_description->setAutoFillBackground(true);
    m_description->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_description->setMargin(2);
    QPalette pane = m_description->palette();
    pane.setColor(QPalette::Window, DescriptionBackgroundColour());
    pane.setColor(QPalette::WindowText, DescriptionTextColour());
    m_description->setPalette(pane);
    m_description->setFixedHeight(kDescriptionRows * m_description->fontMetrics().lineSpacing() +
                                  2 * m_description->frameWidth() + 4);
    column->addWidget(m_description);

    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnCurrentChanged(current); });
    connect(m_items, &QStandardItemModel::dataChanged, this,
            [this](const QModelIndex& a, const QModelIndex& b) { OnDataChanged(a, b); });
    connect(m_tree, &QTreeView::expanded, this,
            [this](const QModelIndex& index) { SetExpanded(index, true); });
    connect(m_tree, &QTreeView::collapsed, this,
            [this](const QModelIndex& index) { SetExpanded(index, false); });
}

SettingsGrid::~SettingsGrid() = default;

void SettingsGrid::SetChoosers(GridChoosers* choosers) {
    m_choosers = choosers;
}

void SettingsGrid::Show(SettingsGridModel* model) {
    // The selection survives a rebuild when the same item is still there.
    const QModelIndex current = m_tree->currentIndex();
    const int currentGroup = current.isValid() ? current.data(kGroupRole).toInt() : -1;
    const int currentItem = current.isValid() ? current.data(kItemRole).toInt() : -1;

    m_filling = true;
    m_model = model;
    m_items->clear();
    m_items->setColumnCount(2);
    if (model) {
        for (size_t g = 0; g < model->groups.size(); ++g) {
            const GridGroup& group = model->groups[g];
            auto* title = Cell(group.title, g, -1, false);
            for (size_t i = 0; i < group.items.size(); ++i) {
                const GridItem& item = group.items[i];
                const bool editable = item.kind != GridItemKind::ReadOnly;
                title->appendRow({Cell(item.caption, g, static_cast<int>(i), false),
                                  Cell(item.value, g, static_cast<int>(i), editable)});
            }
            m_items->appendRow({title, Cell("", g, -1, false)});
            m_tree->setFirstColumnSpanned(static_cast<int>(g), QModelIndex(), true);
            m_tree->setExpanded(title->index(), group.expanded);
        }
    }
    m_filling = false;
    ShowDescription(nullptr);
    if (model && currentGroup >= 0 && static_cast<size_t>(currentGroup) < model->groups.size()) {
        const QModelIndex again =
            currentItem < 0 ? GroupIndex(currentGroup) : ValueIndex(currentGroup, currentItem);
        if (again.isValid())
            m_tree->selectionModel()->setCurrentIndex(again.siblingAtColumn(0),
                                                      QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
    }
    FitColumns();
}

void SettingsGrid::Refresh() {
    if (!m_model)
        return;
    m_filling = true;
    for (size_t g = 0; g < m_model->groups.size() && static_cast<int>(g) < m_items->rowCount();
         ++g) {
        const GridGroup& group = m_model->groups[g];
        QStandardItem* title = m_items->item(static_cast<int>(g), 0);
        SetTextIfOther(*title, group.title);
        for (size_t i = 0; i < group.items.size() && static_cast<int>(i) < title->rowCount(); ++i)
            SetTextIfOther(*title->child(static_cast<int>(i), 1), group.items[i].value);
    }
    m_filling = false;
    if (const GridItem* item = ItemAt(m_tree->currentIndex()))
        ShowDescription(item);
    m_tree->viewport()->update();
}

void SettingsGrid::CommitEditing() {
    QWidget* editor = m_tree->indexWidget(m_tree->currentIndex());
    if (editor)
        m_delegate->Commit(editor);
}

QModelIndex SettingsGrid::GroupIndex(size_t group) const {
    return m_items->index(static_cast<int>(group), 0);
}

QModelIndex SettingsGrid::ValueIndex(size_t group, size_t item) const {
    return m_items->index(static_cast<int>(item), 1, GroupIndex(group));
}

const GridItem* SettingsGrid::ItemAt(const QModelIndex& index) const {
    if (!m_model || !index.isValid() || !index.parent().isValid())
        return nullptr;
    const size_t g = index.data(kGroupRole).toULongLong();
    const int i = index.data(kItemRole).toInt();
    if (g >= m_model->groups.size() || i < 0 ||
        static_cast<size_t>(i) >= m_model->groups[g].items.size())
        return nullptr;
    return &m_model->groups[g].items[static_cast<size_t>(i)];
}

bool SettingsGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_tree->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint pos = mouse->position().toPoint();
        const QModelIndex index = m_tree->indexAt(pos);
        // The caption area of a title: right of its fold mark, left of the value column.
        if (mouse->button() == Qt::LeftButton && index.isValid() && !index.parent().isValid() &&
            pos.x() >= m_tree->visualRect(index).left() &&
            pos.x() < m_tree->header()->sectionViewportPosition(1) && m_onGroupCaptionClick) {
            m_onGroupCaptionClick(index.data(kGroupRole).toULongLong());
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SettingsGrid::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitColumns();
}

void SettingsGrid::OnCurrentChanged(const QModelIndex& current) {
    ShowDescription(ItemAt(current));
}

void SettingsGrid::OnDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight) {
    if (m_filling || !m_model)
        return;
    bool changed = false;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        const QModelIndex value = topLeft.siblingAtRow(row).siblingAtColumn(1);
        auto* item = const_cast<GridItem*>(ItemAt(value));
        if (!item || item->kind == GridItemKind::ReadOnly)
            continue;
        std::string text = value.data(Qt::EditRole).toString().toStdString();
        changed = changed || text != item->value;
        item->value = std::move(text);
    }
    if (changed && m_onChange)
        m_onChange();
}

void SettingsGrid::SetExpanded(const QModelIndex& index, bool expanded) {
    if (m_filling || !m_model || index.parent().isValid())
        return;
    const size_t g = index.data(kGroupRole).toULongLong();
    if (g < m_model->groups.size())
        m_model->groups[g].expanded = expanded;
}

void SettingsGrid::ShowDescription(const GridItem* item) {
    if (!item) {
        m_descriptionText.clear();
        m_description->clear();
        return;
    }
    m_descriptionText = item->description;
    m_description->setText(QStringLiteral("<b>%1</b><br>%2")
                               .arg(HtmlLines(item->caption), HtmlLines(item->description)));
}

void SettingsGrid::FitColumns() {
    // The captions take a little less than half of the width, as in the usual property list.
    const int width = m_tree->viewport()->width();
    m_tree->setColumnWidth(0, std::max(width * 9 / 20, 40));
}

} // namespace lumina
