#include "art/settings_grid.h"

#include "platform/cp932.h"
#include "services/settings_store.h"

#include <cstdio>

namespace lumina {
namespace {

constexpr std::string_view kClassCommon =
    "を使用するかどうかを指定します。\nタイトルの「出力文字種」をクリックすると一度に「する」"
    "「しない」を変更することができます。";

GridItem ReadOnly(std::string_view caption, std::string value, std::string_view description) {
    GridItem item;
    item.caption = caption;
    item.kind = GridItemKind::ReadOnly;
    item.value = std::move(value);
    item.description = description;
    return item;
}

GridItem Boolean(std::string_view caption, int value, std::string description) {
    GridItem item;
    item.caption = caption;
    item.kind = GridItemKind::Boolean;
    item.value = value != 0 ? kTextOn : kTextOff;
    item.description = std::move(description);
    item.options = {std::string(kTextOn), std::string(kTextOff)};
    return item;
}

GridItem Spin(std::string_view caption, int value, int low, int high,
              std::string_view description) {
    GridItem item;
    item.caption = caption;
    item.kind = GridItemKind::Spin;
    item.value = std::to_string(value);
    item.description = description;
    item.spinMin = low;
    item.spinMax = high;
    return item;
}

GridItem Colour(std::string_view caption, COLORREF value, std::string_view description) {
    GridItem item;
    item.caption = caption;
    item.kind = GridItemKind::Colour;
    item.value = std::to_string(value);
    item.description = description;
    return item;
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

GridGroup FontGroup(const ArtSettings& s) {
    GridGroup g{std::string(kGroupFont), true, {}};
    GridItem font;
    font.caption = "フォント";
    font.kind = GridItemKind::Font;
    font.value = FontItemText(s.FontName, s.FontSize);
    font.description = "フォントを指定します。\n(8～72ポイント)";
    g.items.push_back(std::move(font));
    g.items.push_back(Boolean("太字", s.Bold, "フォントを太字にするかどうかを指定します。"));
    g.items.push_back(
        Boolean("イタリック", s.Italic, "フォントをイタリックにするかどうかを指定します。"));
    g.items.push_back(Spin("角度", s.FontDeg, 0, 359, "フォントの角度を指定します。\n(0～359度)"));
    return g;
}

GridGroup ClassGroup(const ArtSettings& s, bool classToggle) {
    GridGroup g{ClassGroupTitle(classToggle), true, {}};
    for (const auto& info : kCharClasses) {
        g.items.push_back(Boolean(info.caption, s.ClassSwitch(info.cls),
                                  std::string(info.descriptionPrefix) + std::string(kClassCommon)));
    }
    return g;
}

GridGroup OutputGroup(const ArtSettings& s) {
    GridGroup g{std::string(kGroupOutput), true, {}};
    g.items.push_back(Spin("出力幅", s.OutW, kOutWMin, kOutWMax,
                           "イメージ出力時の幅を指定します。\n(500～5,000ピクセル)\n※ "
                           "高さは自動調整されます。"));
    g.items.push_back(
        Spin("字間", s.CharMa, kSpacingMin, kSpacingMax,
             "字間を次の範囲で設定します。\n0(狭い)～10(標準)～30(広い)\n単位：ピクセル"));
    g.items.push_back(
        Spin("行間", s.LineMa, kSpacingMin, kSpacingMax,
             "行間を次の範囲で設定します。\n0(狭い)～10(標準)～30(広い)\n単位：ピクセル"));
    g.items.push_back(Spin("明るさ", s.BrightAll, kBrightMin, kBrightMax,
                           "見た目の明るさを次の範囲で設定します。\n1(明るい)～5(標準)～9(暗い)"));
    g.items.push_back(Spin("色相(赤)", s.BrightR, kBrightMin, kBrightMax,
                           "赤色の強弱を次の範囲で設定します。\n1(弱い)～5(標準)～9(強い)"));
    g.items.push_back(Spin("色相(緑)", s.BrightG, kBrightMin, kBrightMax,
                           "緑色の強弱を次の範囲で設定します。\n1(弱い)～5(標準)～9(強い)"));
    g.items.push_back(Spin("色相(青)", s.BrightB, kBrightMin, kBrightMax,
                           "青色の強弱を次の範囲で設定します。\n1(弱い)～5(標準)～9(強い)"));
    GridItem mono;
    mono.caption = "カラー";
    mono.kind = GridItemKind::Choice;
    mono.value = s.Mono != 0 ? kTextMono : kTextColour;
    mono.description =
        "JPEG出力時に原本イメージに合せてカラーにするときは、「カラー」。しないときは"
        "、「モノクロ」を選択します。";
    mono.options = {std::string(kTextColour), std::string(kTextMono)};
    g.items.push_back(std::move(mono));
    g.items.push_back(
        Colour("文字色", s.CharCol, "文字色を指定します。\n※ 「カラー」のときは無視されます。"));
    g.items.push_back(Colour("背景色", s.BkCol, "背景色を指定します。"));
    g.items.push_back(Boolean("ランダム", s.Rand,
                              "文字角度をランダムにセットするかどうかを指定します。\n※ "
                              "「する」のときは、「フォント設定」の「角度」は無視されます。"));
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
    grid.groups.push_back(FontGroup(settings));
    grid.groups.push_back(ClassGroup(settings, classToggle));
    grid.groups.push_back(OutputGroup(settings));
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
        for (const auto& info : kCharClasses) {
            if (item.caption == info.caption)
                item.value = classToggle ? kTextOn : kTextOff;
        }
    }
    classToggle = !classToggle;
    g.title = ClassGroupTitle(classToggle);
    return true;
}

void SaveGroupStates(const SettingsGridModel& grid, SettingsStore& store) {
    for (const auto& g : grid.groups)
        store.WriteInt(kPropSection, g.title, g.expanded ? 1 : 0);
}

void RestoreGroupStates(SettingsGridModel& grid, const SettingsStore& store) {
    for (auto& g : grid.groups) {
        const int state = store.ReadInt(kPropSection, g.title, 2);
        if (state == 0)
            g.expanded = false;
        else if (state == 1)
            g.expanded = true;
    }
}

} // namespace lumina
