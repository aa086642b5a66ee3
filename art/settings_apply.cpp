// Reading the settings grid back into ArtSettings. Every value arrives as the text the grid
// shows; each changed setting is written to the store at once.
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

void ApplyInt(SettingsStore& store, std::string_view key, int& field, int value) {
    if (value == field)
        return;
    field = value;
    store.WriteInt(kArtSection, key, value);
}

void ApplyColour(SettingsStore& store, std::string_view key, COLORREF& field, COLORREF value) {
    if (value == field)
        return;
    field = value;
    store.WriteString(kArtSection, key, ColourText(value));
}

void ApplyFont(const GridItem& item, ArtSettings& s, SettingsStore& store) {
    const std::string& text = item.value;
    const size_t open = text.rfind('(');
    if (open == std::string::npos)
        return;
    const size_t close = text.find(')', open + 1);
    if (close == std::string::npos)
        return;
    const std::string face = CutFaceName(std::string_view(text).substr(0, open));
    const int size = Clamp(
        static_cast<int>(ParseDecimal(std::string_view(text).substr(open + 1, close - open - 1))),
        kFontSizeMin, kFontSizeMax);
    if (face == s.FontName && size == s.FontSize)
        return;
    s.FontName = face;
    s.FontSize = size;
    store.WriteString(kArtSection, "FontName", face);
    store.WriteInt(kArtSection, "FontSize", size);
}

void ApplyFontGroup(const GridGroup& g, ArtSettings& s, SettingsStore& store) {
    for (const auto& item : g.items) {
        if (item.caption == "フォント")
            ApplyFont(item, s, store);
        else if (item.caption == "太字")
            ApplyInt(store, "Bold", s.Bold, GridBool(item));
        else if (item.caption == "イタリック")
            ApplyInt(store, "Italic", s.Italic, GridBool(item));
        else if (item.caption == "角度")
            ApplyInt(store, "FontDeg", s.FontDeg, GridInt(item));
    }
}

void ApplyClassGroup(const GridGroup& g, ArtSettings& s, SettingsStore& store) {
    for (const auto& item : g.items) {
        for (const auto& info : kCharClasses) {
            if (item.caption != info.caption)
                continue;
            const int value = GridBool(item);
            int& field = s.ClassSwitch(info.cls);
            if (value != field) {
                field = value;
                store.WriteInt(kArtSection, info.key, value != 0 ? 1 : 0);
            }
        }
    }
}

void ApplyOutputGroup(const GridGroup& g, ArtSettings& s, SettingsStore& store) {
    for (const auto& item : g.items) {
        const std::string& c = item.caption;
        if (c == "出力幅") {
            ApplyInt(store, "OutW", s.OutW, Clamp(GridInt(item), kOutWMin, kOutWMax));
        } else if (c == "字間") {
            ApplyInt(store, "CharMa", s.CharMa, Clamp(GridInt(item), kSpacingMin, kSpacingMax));
        } else if (c == "行間") {
            ApplyInt(store, "LineMa", s.LineMa, Clamp(GridInt(item), kSpacingMin, kSpacingMax));
        } else if (c == "明るさ") {
            ApplyInt(store, "BrightAll", s.BrightAll, Clamp(GridInt(item), kBrightMin, kBrightMax));
        } else if (c == "色相(赤)") {
            ApplyInt(store, "BrightR", s.BrightR, Clamp(GridInt(item), kBrightMin, kBrightMax));
        } else if (c == "色相(緑)") {
            ApplyInt(store, "BrightG", s.BrightG, Clamp(GridInt(item), kBrightMin, kBrightMax));
        } else if (c == "色相(青)") {
            ApplyInt(store, "BrightB", s.BrightB, Clamp(GridInt(item), kBrightMin, kBrightMax));
        } else if (c == "カラー") {
            ApplyInt(store, "Mono", s.Mono, item.value == kTextMono ? 1 : 0);
        } else if (c == "文字色") {
            ApplyColour(store, "CharCol", s.CharCol, ParseColourText(item.value, 0));
        } else if (c == "背景色") {
            ApplyColour(store, "BkCol", s.BkCol, ParseColourText(item.value, 0));
        } else if (c == "ランダム") {
            const int value = GridBool(item);
            if (value != s.Rand) {
                s.Rand = value;
                store.WriteInt(kArtSection, "Rand", value != 0 ? 1 : 0);
            }
        }
    }
}

} // namespace

void ApplySettingsGrid(const SettingsGridModel& grid, ArtSettings& settings, SettingsStore& store) {
    for (const auto& g : grid.groups) {
        if (g.title == kGroupFont)
            ApplyFontGroup(g, settings, store);
        else if (IsClassGroupTitle(g.title))
            ApplyClassGroup(g, settings, store);
        else if (g.title == kGroupOutput)
            ApplyOutputGroup(g, settings, store);
    }
}

} // namespace lumina
