#pragma once

#include "platform/geometry.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

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

    // The switch of a class, by CharClass order.
    int& ClassSwitch(CharClass c);
    int ClassSwitch(CharClass c) const;
};

// Caption, key and description prefix of each class, in CharClass order.
struct CharClassInfo {
    CharClass cls;
    std::string_view key;
    std::string_view caption;
    std::string_view descriptionPrefix;
};
extern const std::array<CharClassInfo, kCharClassCount> kCharClasses;

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

// What the art window keeps of its settings: the record, the zoom mode and the class toggle.
struct LoadedArtSettings {
    ArtSettings settings;
    int zoom = 0;
    bool classToggle = true;
    ArtLayout layout; // always zero after a load
};

// Reads section "Zoviv" with its defaults and clamps; writes nothing.
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
