#pragma once

#include "platform/geometry.h"
#include "services/placement_settings.h"
#include "services/settings_table.h"

#include <array>
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumina {

class SettingsStore;

inline constexpr std::string_view kArtSection = "Zoviv";
inline constexpr std::string_view kPropSection = "Prop";

// The seven output-character classes, in the order the palette collects them.
enum class CharClass { Kigou, Num, AlphaU, AlphaL, Hira, Kata, Kanji };
inline constexpr int kCharClassCount = 7;

// Everything a character-art run can be told. Field names are their keys in section "Zoviv".
struct ArtSettings {
    std::string FontName = "MS UI Gothic"; // UTF-8; at most 31 bytes in code page 932
    int FontSize = 12;                     // points, 8..72
    int Bold = 0;                          // 0 off, other on (the grid writes -1)
    int Italic = 0;
    int FontDeg = 0; // degrees counter-clockwise, not clamped
    int UseKigou = 1;
    int UseNum = 1;
    int UseAlphaU = 1;
    int UseAlphaL = 1;
    int UseHira = 1;
    int UseKata = 1;
    int UseKanji = 1;
    int CharMa = 10;   // 0..30, extra space between characters
    int LineMa = 10;   // 0..30, extra space between lines
    int BrightAll = 5; // 1 bright .. 9 dark
    int BrightR = 5;   // 1 weak .. 9 strong
    int BrightG = 5;
    int BrightB = 5;
    int Mono = 0;
    COLORREF CharCol = 0x000000;
    COLORREF BkCol = 0xFFFFFF;
    int Rand = 0;
    int OutW = 1000; // 500..5000
    int Tone = 0;    // ToneMode: 0 as measured, 1 stretched, 2 equalised
    int Dither = 0;  // 0 off, other on: each cell's error is carried to its neighbours

    // The switch of a class, by CharClass order.
    int& ClassSwitch(CharClass c);
    int ClassSwitch(CharClass c) const;
};

// The layout of the last run; all 0 until a run has computed them.
struct ArtLayout {
    int outH = 0;
    int drawW = 0;
    int drawH = 0;
    int cols = 0;
    int rows = 0;
    int range = 0;
    int cellW = 0;
    int cellH = 0;
    friend bool operator==(const ArtLayout&, const ArtLayout&) = default;
};

// Clamping bounds shared by the load, the grid's read-back and the batch tool.
inline constexpr int kFontSizeMin = 8, kFontSizeMax = 72;
inline constexpr int kSpacingMin = 0, kSpacingMax = 30;
inline constexpr int kBrightMin = 1, kBrightMax = 9;
inline constexpr int kOutWMin = 500, kOutWMax = 5000;
inline constexpr int kFaceNameMaxBytes = 31;

int Clamp(int value, int low, int high);

// How an item of the settings grid is edited.
enum class GridItemKind {
    ReadOnly, // shown, selectable, never edited
    Font,     // face and size as "%s(%i)"
    Boolean,  // "する" / "しない"
    Spin,     // decimal text, up/down within spinMin..spinMax; typed values may lie outside
    Choice,   // one of options, no typing
    Colour,   // a COLORREF as decimal text, no typing
};

inline constexpr std::string_view kTextOn = "する";
inline constexpr std::string_view kTextOff = "しない";
inline constexpr std::string_view kTextColour = "カラー";
inline constexpr std::string_view kTextMono = "モノクロ";

// How a cell's lightness becomes the darkness the characters are matched to.
enum class ToneMode {
    None = 0,     // the product of the channels, as the art has always been made
    Stretch = 1,  // CIE L*, its 1st..99th percentile spread over the palette's densities
    Equalize = 2, // CIE L*, histogram equalised over the palette's densities
};
ToneMode ToneModeOf(const ArtSettings& settings);

// The groups of the settings grid that show settings.
enum class ArtGroup { Font, Classes, Output, Tone };

// One setting of the character-art window: where section "Zoviv" keeps it, the field of
// ArtSettings it fills, and the grid item that shows and edits it. A stored number is read, and a
// grid value read back, within the range of its row; a Spin item's buttons may step within a
// narrower spin range.
struct ArtSettingRow {
    ArtGroup group;
    std::string_view caption;
    GridItemKind kind;
    std::string_view description;
    std::string_view descriptionEnd = {}; // the text a group's items share, after description
    int spinMin = 0;
    int spinMax = 0;
    IntSetting number = {}; // Boolean, Spin, Choice; the point size of the Font item
    int ArtSettings::*field = nullptr;
    int storedOn = 1;                             // what a Boolean stores for "する"
    std::array<std::string_view, 3> choices = {}; // a Choice's texts for 0, 1 (and 2)
    StringSetting text = {};                      // Colour; the face of the Font item
    COLORREF ArtSettings::*colour = nullptr;
    COLORREF emptyColour = 0; // what an empty stored colour text means
};

// Section "Zoviv", in the order the grid shows the settings, then the art view's zoom and the
// window's placement.
namespace zoviv {

inline constexpr std::string_view kClassDescriptionEnd =
    "を使用するかどうかを指定します。\nタイトルの「出力文字種」をクリックすると一度に「する」"
    "「しない」を変更することができます。";
// Degrees, not held to one turn: any angle whose tenths still fit the font's escapement.
inline constexpr int kMaxAngle = INT_MAX / 10;

inline constexpr ArtSettingRow Font{
    .group = ArtGroup::Font,
    .caption = "フォント",
    .kind = GridItemKind::Font,
    .description = "フォントを指定します。\n(8～72ポイント)",
    .number = {kArtSection, "FontSize", 12, kFontSizeMin, kFontSizeMax},
    .text = {kArtSection, "FontName", "MS UI Gothic", 256},
};
// The font styles store the grid's own "on", -1.
inline constexpr ArtSettingRow Bold{
    .group = ArtGroup::Font,
    .caption = "太字",
    .kind = GridItemKind::Boolean,
    .description = "フォントを太字にするかどうかを指定します。",
    .number = {kArtSection, "Bold", 0, -1, 1},
    .field = &ArtSettings::Bold,
    .storedOn = -1,
};
inline constexpr ArtSettingRow Italic{
    .group = ArtGroup::Font,
    .caption = "イタリック",
    .kind = GridItemKind::Boolean,
    .description = "フォントをイタリックにするかどうかを指定します。",
    .number = {kArtSection, "Italic", 0, -1, 1},
    .field = &ArtSettings::Italic,
    .storedOn = -1,
};
inline constexpr ArtSettingRow FontDeg{
    .group = ArtGroup::Font,
    .caption = "角度",
    .kind = GridItemKind::Spin,
    .description = "フォントの角度を指定します。\n(0～359度)",
    .spinMin = 0,
    .spinMax = 359,
    .number = {kArtSection, "FontDeg", 0, -kMaxAngle, kMaxAngle},
    .field = &ArtSettings::FontDeg,
};

constexpr ArtSettingRow ClassRow(std::string_view caption, std::string_view description,
                                 std::string_view key, int ArtSettings::*field) {
    return {
        .group = ArtGroup::Classes,
        .caption = caption,
        .kind = GridItemKind::Boolean,
        .description = description,
        .descriptionEnd = kClassDescriptionEnd,
        .number = {kArtSection, key, 1, -1, 1},
        .field = field,
    };
}
inline constexpr ArtSettingRow UseKigou =
    ClassRow("記号", "出力文字に記号", "UseKigou", &ArtSettings::UseKigou);
inline constexpr ArtSettingRow UseNum =
    ClassRow("数字", "出力文字に数字", "UseNum", &ArtSettings::UseNum);
inline constexpr ArtSettingRow UseAlphaU =
    ClassRow("英字大文字", "出力文字に英字大文字", "UseAlphaU", &ArtSettings::UseAlphaU);
inline constexpr ArtSettingRow UseAlphaL =
    ClassRow("英字小文字", "出力文字に英字小文字", "UseAlphaL", &ArtSettings::UseAlphaL);
inline constexpr ArtSettingRow UseHira =
    ClassRow("ひらがな", "出力文字にひらがな", "UseHira", &ArtSettings::UseHira);
inline constexpr ArtSettingRow UseKata =
    ClassRow("カタカナ", "出力文字にカタカナ", "UseKata", &ArtSettings::UseKata);
inline constexpr ArtSettingRow UseKanji =
    ClassRow("漢字", "出力文字に漢字", "UseKanji", &ArtSettings::UseKanji);

constexpr ArtSettingRow SpinRow(std::string_view caption, std::string_view description,
                                IntSetting number, int ArtSettings::*field) {
    return {
        .group = ArtGroup::Output,
        .caption = caption,
        .kind = GridItemKind::Spin,
        .description = description,
        .spinMin = number.min,
        .spinMax = number.max,
        .number = number,
        .field = field,
    };
}
inline constexpr ArtSettingRow OutW = SpinRow(
    "出力幅", "イメージ出力時の幅を指定します。\n(500～5,000ピクセル)\n※ 高さは自動調整されます。",
    {kArtSection, "OutW", 1000, kOutWMin, kOutWMax}, &ArtSettings::OutW);
inline constexpr ArtSettingRow CharMa =
    SpinRow("字間", "字間を次の範囲で設定します。\n0(狭い)～10(標準)～30(広い)\n単位：ピクセル",
            {kArtSection, "CharMa", 10, kSpacingMin, kSpacingMax}, &ArtSettings::CharMa);
inline constexpr ArtSettingRow LineMa =
    SpinRow("行間", "行間を次の範囲で設定します。\n0(狭い)～10(標準)～30(広い)\n単位：ピクセル",
            {kArtSection, "LineMa", 10, kSpacingMin, kSpacingMax}, &ArtSettings::LineMa);
inline constexpr ArtSettingRow BrightAll =
    SpinRow("明るさ", "見た目の明るさを次の範囲で設定します。\n1(明るい)～5(標準)～9(暗い)",
            {kArtSection, "BrightAll", 5, kBrightMin, kBrightMax}, &ArtSettings::BrightAll);
inline constexpr ArtSettingRow BrightR =
    SpinRow("色相(赤)", "赤色の強弱を次の範囲で設定します。\n1(弱い)～5(標準)～9(強い)",
            {kArtSection, "BrightR", 5, kBrightMin, kBrightMax}, &ArtSettings::BrightR);
inline constexpr ArtSettingRow BrightG =
    SpinRow("色相(緑)", "緑色の強弱を次の範囲で設定します。\n1(弱い)～5(標準)～9(強い)",
            {kArtSection, "BrightG", 5, kBrightMin, kBrightMax}, &ArtSettings::BrightG);
inline constexpr ArtSettingRow BrightB =
    SpinRow("色相(青)", "青色の強弱を次の範囲で設定します。\n1(弱い)～5(標準)～9(強い)",
            {kArtSection, "BrightB", 5, kBrightMin, kBrightMax}, &ArtSettings::BrightB);
// The item's caption is also the word of one of its choices.
inline constexpr ArtSettingRow Mono{
    .group = ArtGroup::Output,
    .caption = "カラー",
    .kind = GridItemKind::Choice,
    .description = "JPEG出力時に原本イメージに合せてカラーにするときは、「カラー」。しないときは"
                   "、「モノクロ」を選択します。",
    .number = {kArtSection, "Mono", 0, -1, 1},
    .field = &ArtSettings::Mono,
    .choices = {kTextColour, kTextMono},
};
inline constexpr ArtSettingRow CharCol{
    .group = ArtGroup::Output,
    .caption = "文字色",
    .kind = GridItemKind::Colour,
    .description = "文字色を指定します。\n※ 「カラー」のときは無視されます。",
    .text = {kArtSection, "CharCol", "", 64},
    .colour = &ArtSettings::CharCol,
    .emptyColour = 0x000000,
};
inline constexpr ArtSettingRow BkCol{
    .group = ArtGroup::Output,
    .caption = "背景色",
    .kind = GridItemKind::Colour,
    .description = "背景色を指定します。",
    .text = {kArtSection, "BkCol", "", 64},
    .colour = &ArtSettings::BkCol,
    .emptyColour = 0xFFFFFF,
};
inline constexpr ArtSettingRow Rand{
    .group = ArtGroup::Output,
    .caption = "ランダム",
    .kind = GridItemKind::Boolean,
    .description = "文字角度をランダムにセットするかどうかを指定します。\n※ "
                   "「する」のときは、「フォント設定」の「角度」は無視されます。",
    .number = {kArtSection, "Rand", 0, -1, 1},
    .field = &ArtSettings::Rand,
};

inline constexpr ArtSettingRow Tone{
    .group = ArtGroup::Tone,
    .caption = "階調補正",
    .kind = GridItemKind::Choice,
    .description = "原本イメージの明暗を文字の濃さに割り当てる方法を選択します。\nなし(標準)／伸張("
                   "明暗の幅を広げる)／平坦化(明暗を均等に使う)",
    .number = {kArtSection, "Tone", 0, 0, 2},
    .field = &ArtSettings::Tone,
    .choices = {"なし", "伸張", "平坦化"},
};
inline constexpr ArtSettingRow Dither{
    .group = ArtGroup::Tone,
    .caption = "誤差拡散",
    .kind = GridItemKind::Boolean,
    .description = "選んだ文字の濃さと原本イメージの明暗の差を、まわりの文字に振り分けるかどうかを"
                   "指定します。\n※ 「する」のときは、広い範囲で明暗が合うようになります。",
    .number = {kArtSection, "Dither", 0, -1, 1},
    .field = &ArtSettings::Dither,
};

// The art view's ZoomMode. Other numbers are kept as they are: a positive one magnifies that
// many times, one below zero shows the art fitted.
inline constexpr IntSetting Zoom{kArtSection, "Zoom", 0, -8, 8};
inline constexpr PlacementSettings Placement = PlacementRows(kArtSection);
// The window's "自動更新": a change in the grid makes the art again after a short pause.
inline constexpr BoolSetting AutoUpdate{kArtSection, "AutoUpdate", false};

} // namespace zoviv

// The settings of the grid, in the grid's order.
inline constexpr std::array<const ArtSettingRow*, 24> kArtSettingRows{
    &zoviv::Font,     &zoviv::Bold,      &zoviv::Italic,    &zoviv::FontDeg, &zoviv::UseKigou,
    &zoviv::UseNum,   &zoviv::UseAlphaU, &zoviv::UseAlphaL, &zoviv::UseHira, &zoviv::UseKata,
    &zoviv::UseKanji, &zoviv::OutW,      &zoviv::CharMa,    &zoviv::LineMa,  &zoviv::BrightAll,
    &zoviv::BrightR,  &zoviv::BrightG,   &zoviv::BrightB,   &zoviv::Mono,    &zoviv::CharCol,
    &zoviv::BkCol,    &zoviv::Rand,      &zoviv::Tone,      &zoviv::Dither,
};

// How many texts a Choice row offers.
constexpr int ChoiceCount(const ArtSettingRow& row) {
    int n = 0;
    while (n < static_cast<int>(row.choices.size()) && !row.choices[static_cast<size_t>(n)].empty())
        ++n;
    return n;
}
// The text a Choice row shows for a stored number: its own when it has one, else the last for
// any other non-zero number (a two-way choice is on for every non-zero number).
std::string_view ChoiceText(const ArtSettingRow& row, int value);
// The number of a Choice row's text; 0 for a text it does not offer.
int ChoiceValue(const ArtSettingRow& row, std::string_view text);

// Each class with its key and caption, in CharClass order.
struct CharClassInfo {
    CharClass cls;
    std::string_view key;
    std::string_view caption;
};
inline constexpr std::array<CharClassInfo, kCharClassCount> kCharClasses{{
    {CharClass::Kigou, zoviv::UseKigou.number.key, zoviv::UseKigou.caption},
    {CharClass::Num, zoviv::UseNum.number.key, zoviv::UseNum.caption},
    {CharClass::AlphaU, zoviv::UseAlphaU.number.key, zoviv::UseAlphaU.caption},
    {CharClass::AlphaL, zoviv::UseAlphaL.number.key, zoviv::UseAlphaL.caption},
    {CharClass::Hira, zoviv::UseHira.number.key, zoviv::UseHira.caption},
    {CharClass::Kata, zoviv::UseKata.number.key, zoviv::UseKata.caption},
    {CharClass::Kanji, zoviv::UseKanji.number.key, zoviv::UseKanji.caption},
}};

// Every key of section "Zoviv".
std::vector<SettingKey> ZovivSettingKeys();

// Section "Prop": whether a group of the grid is open (1) or folded (0), under the group's title
// at the time; anything else leaves the group as it is built.
constexpr IntSetting GroupStateRow(std::string_view groupTitle) {
    return {kPropSection, groupTitle, 2, 0, 2, 2};
}

// What the art window keeps of its settings: the record, the zoom mode and the class toggle.
struct LoadedArtSettings {
    ArtSettings settings;
    int zoom = 0;
    bool classToggle = true;
    ArtLayout layout; // always zero after a load
};

// Reads section "Zoviv" through its rows; writes nothing.
LoadedArtSettings LoadArtSettings(const SettingsStore& store);

// Decimal text in the manner of strtol base 10 on a 32-bit long: optional blanks and sign,
// leading digits, saturating at the 32-bit bounds; no digits gives 0.
long ParseDecimal(std::string_view text);

// A colour stored as text: empty gives the default, otherwise ParseDecimal.
COLORREF ParseColourText(std::string_view text, COLORREF defaultColour);
// A colour as the store keeps it ("%ld" of the 32-bit value).
std::string ColourText(COLORREF colour);

// The face name cut to its first 31 bytes of code page 932 (never splitting a character).
std::string CutFaceName(std::string_view utf8);

// Thousands separators for the digits of a non-negative number: 4..9 digits get commas,
// shorter and longer texts stay as they are.
std::string FormatThousands(std::string_view digits);
std::string FormatThousands(long long value);

} // namespace lumina
