#include "art/settings_grid.h"

#include "platform/cp932.h"
#include "services/settings_store.h"

#include <cstdio>

namespace lumina {
namespace {

GridItem ReadOnly(std::string_view caption, std::string value, std::string_view description) {
    GridItem item;
    item.caption = caption;
    item.kind = GridItemKind::ReadOnly;
    item.value = std::move(value);
    item.description = description;
    return item;
}

// The item of a setting, showing its value in settings.
GridItem ItemOf(const ArtSettingRow& row, const ArtSettings& s) {
    GridItem item;
    item.caption = row.caption;
    item.kind = row.kind;
    item.description = std::string(row.description) + std::string(row.descriptionEnd);
    item.row = &row;
    switch (row.kind) {
    case GridItemKind::Font:
        item.value = FontItemText(s.FontName, s.FontSize);
        break;
    case GridItemKind::Boolean:
        item.value = s.*row.field != 0 ? kTextOn : kTextOff;
        item.options = {std::string(kTextOn), std::string(kTextOff)};
        break;
    case GridItemKind::Spin:
        item.value = std::to_string(s.*row.field);
        item.spinMin = row.spinMin;
        item.spinMax = row.spinMax;
        break;
    case GridItemKind::Choice:
        item.value = ChoiceText(row, s.*row.field);
        for (int i = 0; i < ChoiceCount(row); ++i)
            item.options.emplace_back(row.choices[static_cast<size_t>(i)]);
        break;
    case GridItemKind::Colour:
        item.value = std::to_string(s.*row.colour);
        break;
    case GridItemKind::ReadOnly:
        break;
    }
    return item;
}

// A group of the settings of one ArtGroup, in the table's order.
GridGroup SettingsGroup(std::string title, ArtGroup group, const ArtSettings& s) {
    GridGroup g{std::move(title), true, {}};
    for (const ArtSettingRow* row : kArtSettingRows) {
        if (row->group == group)
            g.items.push_back(ItemOf(*row, s));
    }
    return g;
}

// "%s×%s" of two numbers with separators; empty while the tested number is 0.
std::string Pair(long long a, long long b, long long tested) {
    if (tested == 0)
        return {};
    return FormatThousands(a) + "×" + FormatThousands(b);
}

GridGroup PictureGroup(const PictureFacts& picture) {
    GridGroup g{std::string(kGroupPicture), true, {}};
    g.items.push_back(ReadOnly("パス", picture.path, "原本イメージの保存場所です。"));
    g.items.push_back(
        ReadOnly("大きさ", FormatThousands(picture.width) + "×" + FormatThousands(picture.height),
                 "原本イメージの大きさです。\n単位：ピクセル"));
    g.items.push_back(ReadOnly("サイズ", FormatThousands(picture.byteSize / 1024),
                               "原本イメージのサイズです。\n単位：キロバイト"));
    return g;
}

GridGroup ResultGroup(const ArtSettings& s, const ArtLayout& l) {
    GridGroup g{std::string(kGroupResult), true, {}};
    g.items.push_back(ReadOnly("出力サイズ", Pair(s.OutW, l.outH, l.outH),
                               "「出力幅」を元に原本イメージに合せて縦横比を調整した横×縦のサイ"
                               "ズです。\n単位：ピクセル"));
    g.items.push_back(ReadOnly("描画サイズ", Pair(l.drawW, l.drawH, l.drawW),
                               "出力する文字サイズなどの条件により決定された実描画サイズ（横×縦"
                               "）です。\n単位：ピクセル"));
    g.items.push_back(
        ReadOnly("文字数", Pair(l.cols, l.rows, l.cols), "文字絵を構成する横×縦の文字数です。"));
    g.items.push_back(ReadOnly("1文字の範囲", l.range != 0 ? std::to_string(l.range) : "",
                               "文字絵の1文字に相当する原本イメージの縦横の範囲です。\n単位：ピク"
                               "セル"));
    g.items.push_back(ReadOnly("1文字の大きさ", Pair(l.cellW, l.cellH, l.cellW),
                               "文字絵1文字の大きさです。\n単位：ピクセル"));
    return g;
}

} // namespace

GridGroup* SettingsGridModel::FindGroup(std::string_view title) {
    for (auto& g : groups) {
        if (g.title == title)
            return &g;
    }
    return nullptr;
}

GridItem* SettingsGridModel::FindItem(std::string_view groupTitle, std::string_view caption) {
    GridGroup* g = FindGroup(groupTitle);
    if (!g)
        return nullptr;
    for (auto& item : g->items) {
        if (item.caption == caption)
            return &item;
    }
    return nullptr;
}

std::string ClassGroupTitle(bool classToggle) {
    return std::string(kClassWord) + "  (すべて「" + std::string(classToggle ? kTextOn : kTextOff) +
           "」にする)";
}

bool IsClassGroupTitle(std::string_view title) {
    static const std::string word = *cp932::FromUtf8(kClassWord);
    const auto bytes = cp932::FromUtf8(title);
    if (!bytes)
        return false;
    return bytes->compare(0, word.size(), word) == 0;
}

std::string FontItemText(std::string_view face, int size) {
    return std::string(face) + "(" + std::to_string(size) + ")";
}

bool BuildSettingsGrid(SettingsGridModel& grid, const ArtSettings& settings,
                       const PictureFacts& picture, const ArtLayout& layout, bool classToggle) {
    grid.groups.clear();
    grid.groups.push_back(PictureGroup(picture));
    grid.groups.push_back(SettingsGroup(std::string(kGroupFont), ArtGroup::Font, settings));
    grid.groups.push_back(SettingsGroup(ClassGroupTitle(classToggle), ArtGroup::Classes, settings));
    grid.groups.push_back(SettingsGroup(std::string(kGroupOutput), ArtGroup::Output, settings));
    grid.groups.push_back(SettingsGroup(std::string(kGroupTone), ArtGroup::Tone, settings));
    grid.groups.push_back(ResultGroup(settings, layout));
    return true;
}

bool ToggleAllClasses(SettingsGridModel& grid, size_t groupIndex, bool& classToggle) {
    if (groupIndex >= grid.groups.size())
        return false;
    GridGroup& g = grid.groups[groupIndex];
    if (g.items.empty() || !IsClassGroupTitle(g.title))
        return false;
    for (auto& item : g.items) {
        if (item.row && item.row->group == ArtGroup::Classes)
            item.value = classToggle ? kTextOn : kTextOff;
    }
    classToggle = !classToggle;
    g.title = ClassGroupTitle(classToggle);
    return true;
}

std::vector<std::string> GroupTitles() {
    return {std::string(kGroupPicture), std::string(kGroupFont),   ClassGroupTitle(true),
            ClassGroupTitle(false),     std::string(kGroupOutput), std::string(kGroupTone),
            std::string(kGroupResult)};
}

void SaveGroupStates(const SettingsGridModel& grid, SettingsStore& store) {
    // Every write reaches the disk at once, and every run saves the states: a state already
    // stored is not written again.
    for (const auto& g : grid.groups) {
        const IntSetting row = GroupStateRow(g.title);
        const int state = g.expanded ? 1 : 0;
        if (row.Read(store) != state)
            row.Write(store, state);
    }
}

void RestoreGroupStates(SettingsGridModel& grid, const SettingsStore& store) {
    for (auto& g : grid.groups) {
        const int state = GroupStateRow(g.title).Read(store);
        if (state == 0)
            g.expanded = false;
        else if (state == 1)
            g.expanded = true;
    }
}

} // namespace lumina
