#pragma once

#include <QColor>
#include <QFont>

#include <optional>

class QWidget;

namespace lumina {

// The standard dialogs the settings grid opens, behind an interface so that tests can answer
// them.
class GridChoosers {
public:
    virtual ~GridChoosers() = default;
    // The font dialog, starting from initial; nullopt when cancelled.
    virtual std::optional<QFont> ChooseFont(const QFont& initial, QWidget* parent) = 0;
    // The colour dialog behind the palette's "その他 " button; nullopt when cancelled.
    virtual std::optional<QColor> ChooseColour(const QColor& initial, QWidget* parent) = 0;
};

// The platform's font and colour dialogs.
class DialogChoosers : public GridChoosers {
public:
    std::optional<QFont> ChooseFont(const QFont& initial, QWidget* parent) override;
    std::optional<QColor> ChooseColour(const QColor& initial, QWidget* parent) override;
};

} // namespace lumina
