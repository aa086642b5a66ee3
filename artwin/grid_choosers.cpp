#include "artwin/grid_choosers.h"

#include <QColorDialog>
#include <QFontDialog>

namespace lumina {

std::optional<QFont> DialogChoosers::ChooseFont(const QFont& initial, QWidget* parent) {
    bool ok = false;
    // Screen fonts with the effects section; bold and italic are the grid's own items.
    const QFont font =
        QFontDialog::getFont(&ok, initial, parent, QString(), QFontDialog::FontDialogOptions());
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<QColor> DialogChoosers::ChooseColour(const QColor& initial, QWidget* parent) {
    const QColor colour = QColorDialog::getColor(initial, parent);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

} // namespace lumina
