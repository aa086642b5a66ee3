// Reading the settings grid back into ArtSettings. Every value arrives as the text the grid
// shows; each item knows its setting's row, which holds the value to its range and stores it.
// Each changed setting is written to the store at once.
#include "art/settings_grid.h"

#include "services/settings_store.h"

namespace lumina {
namespace {

// Booleans of the grid are -1 (true) and 0 (false), as the grid reports them.
int GridBool(const GridItem& item) {
    return item.value == kTextOn ? -1 : 0;
}

int GridInt(const GridItem& item) {
    return static_cast<int>(ParseDecimal(item.value));
}

// The face before the last "(" (cut to the face-name limit) and the size up to the next ")".
void ApplyFont(const GridItem& item, const ArtSettingRow& row, ArtSettings& s,
               SettingsStore& store) {
    const std::string& text = item.value;
    const size_t open = text.rfind('(');
    if (open == std::string::npos)
        return;
    const size_t close = text.find(')', open + 1);
    if (close == std::string::npos)
        return;
    const std::string face = CutFaceName(std::string_view(text).substr(0, open));
    const int size = row.number.Clamp(
        static_cast<int>(ParseDecimal(std::string_view(text).substr(open + 1, close - open - 1))));
    if (face == s.FontName && size == s.FontSize)
        return;
    s.FontName = face;
    s.FontSize = size;
    row.text.Write(store, face);
    row.number.Write(store, size);
}

// A number field takes value and stores stored, when value differs from what it holds.
void ApplyNumber(const ArtSettingRow& row, ArtSettings& s, SettingsStore& store, int value,
                 int stored) {
    if (value == s.*row.field)
        return;
    s.*row.field = value;
    row.number.Write(store, stored);
}

void ApplyItem(const GridItem& item, ArtSettings& s, SettingsStore& store) {
    const ArtSettingRow& row = *item.row;
    switch (row.kind) {
    case GridItemKind::Font:
        ApplyFont(item, row, s, store);
        break;
    case GridItemKind::Boolean: {
        const int value = GridBool(item);
        ApplyNumber(row, s, store, value, value != 0 ? row.storedOn : 0);
        break;
    }
    case GridItemKind::Spin: {
        const int value = row.number.Clamp(GridInt(item));
        ApplyNumber(row, s, store, value, value);
        break;
    }
    case GridItemKind::Choice: {
        const int value = ChoiceValue(row, item.value);
        ApplyNumber(row, s, store, value, value);
        break;
    }
    case GridItemKind::Colour: {
        const COLORREF value = ParseColourText(item.value, 0);
        if (value == s.*row.colour)
            break;
        s.*row.colour = value;
        row.text.Write(store, ColourText(value));
        break;
    }
    case GridItemKind::ReadOnly:
        break;
    }
}

} // namespace

void ApplySettingsGrid(const SettingsGridModel& grid, ArtSettings& settings, SettingsStore& store) {
    for (const auto& g : grid.groups) {
        for (const auto& item : g.items) {
            if (item.row)
                ApplyItem(item, settings, store);
        }
    }
}

} // namespace lumina
