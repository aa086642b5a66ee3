#pragma once

#include "art/settings.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumina {

class SettingsStore;

struct GridItem {
    std::string caption;
    GridItemKind kind = GridItemKind::ReadOnly;
    std::string value; // every value is text, as the grid shows it
    std::string description;
    int spinMin = 0;
    int spinMax = 0;
    std::vector<std::string> options; // Boolean and Choice items
    // The setting the item shows and is read back into; none for the facts the grid only shows.
    const ArtSettingRow* row = nullptr;
};

struct GridGroup {
    std::string title;
    bool expanded = true;
    std::vector<GridItem> items;
};

// The contents of the settings grid, independent of any widget: the window shows and edits
// it, the run reads it back.
struct SettingsGridModel {
    std::vector<GridGroup> groups;

    GridGroup* FindGroup(std::string_view title);
    GridItem* FindItem(std::string_view groupTitle, std::string_view caption);
};

// Facts about the source picture that the grid shows.
struct PictureFacts {
    std::string path; // UTF-8
    int width = 0;
    int height = 0;
    long long byteSize = 0;
};

inline constexpr std::string_view kGroupPicture = "原本イメージ(確認用)";
inline constexpr std::string_view kGroupFont = "フォント設定";
inline constexpr std::string_view kGroupOutput = "その他の出力設定";
inline constexpr std::string_view kGroupTone = "階調設定";
inline constexpr std::string_view kGroupResult = "出力結果(確認用)";
inline constexpr std::string_view kClassWord = "出力文字種";

// "出力文字種  (すべて「する」にする)" or the "しない" form.
std::string ClassGroupTitle(bool classToggle);
// True when the first 10 bytes of the title's code page 932 form are "出力文字種".
bool IsClassGroupTitle(std::string_view title);

// "%s(%i)" of a face and a size, as the font item shows it.
std::string FontItemText(std::string_view face, int size);

// Empties the model and builds the six groups, every group expanded.
bool BuildSettingsGrid(SettingsGridModel& grid, const ArtSettings& settings,
                       const PictureFacts& picture, const ArtLayout& layout, bool classToggle);

// Every title a group of the grid can have: the keys of section "Prop".
std::vector<std::string> GroupTitles();

// Reads the items of the grid back into settings through their rows and writes each changed value
// to section "Zoviv".
void ApplySettingsGrid(const SettingsGridModel& grid, ArtSettings& settings, SettingsStore& store);

// A click on the caption of the group at groupIndex: when it is the class group, sets all
// seven class items to classToggle, inverts it and renames the group. True when it acted.
bool ToggleAllClasses(SettingsGridModel& grid, size_t groupIndex, bool& classToggle);

// Section "Prop": 1 expanded, 0 collapsed, keyed by each group's current title.
void SaveGroupStates(const SettingsGridModel& grid, SettingsStore& store);
void RestoreGroupStates(SettingsGridModel& grid, const SettingsStore& store);

} // namespace lumina
