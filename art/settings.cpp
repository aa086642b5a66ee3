#include "art/settings.h"

#include "platform/cp932.h"
#include "services/settings_store.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace lumina {

const std::array<CharClassInfo, kCharClassCount> kCharClasses = {{
    {CharClass::Kigou, "UseKigou", "記号", "出力文字に記号"},
    {CharClass::Num, "UseNum", "数字", "出力文字に数字"},
    {CharClass::AlphaU, "UseAlphaU", "英字大文字", "出力文字に英字大文字"},
    {CharClass::AlphaL, "UseAlphaL", "英字小文字", "出力文字に英字小文字"},
    {CharClass::Hira, "UseHira", "ひらがな", "出力文字にひらがな"},
    {CharClass::Kata, "UseKata", "カタカナ", "出力文字にカタカナ"},
    {CharClass::Kanji, "UseKanji", "漢字", "出力文字に漢字"},
}};

int& ArtSettings::ClassSwitch(CharClass c) {
    switch (c) {
    case CharClass::Kigou:
        return UseKigou;
    case CharClass::Num:
        return UseNum;
    case CharClass::AlphaU:
        return UseAlphaU;
    case CharClass::AlphaL:
        return UseAlphaL;
    case CharClass::Hira:
        return UseHira;
    case CharClass::Kata:
        return UseKata;
    case CharClass::Kanji:
        break;
    }
    return UseKanji;
}

int ArtSettings::ClassSwitch(CharClass c) const {
    return const_cast<ArtSettings*>(this)->ClassSwitch(c);
}

int Clamp(int value, int low, int high) {
    return std::min(std::max(value, low), high);
}

long ParseDecimal(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // The program's long is 32 bits wide: out-of-range text saturates as strtol does there.
    constexpr std::int64_t kMax = INT32_MAX;
    constexpr std::int64_t kMin = -static_cast<std::int64_t>(INT32_MAX) - 1;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kMax + 1)
            value = kMax + 1;
    }
    if (negative)
        return static_cast<long>(std::max(-value, kMin));
    return static_cast<long>(std::min(value, kMax));
}

COLORREF ParseColourText(std::string_view text, COLORREF defaultColour) {
    if (text.empty())
        return defaultColour;
    return static_cast<COLORREF>(static_cast<std::int32_t>(ParseDecimal(text)));
}

std::string ColourText(COLORREF colour) {
    return std::to_string(static_cast<std::int32_t>(colour));
}

namespace {

// First at most max bytes of s, ending on a whole UTF-8 character.
std::string CutUtf8(std::string_view s, size_t max) {
    if (s.size() <= max)
        return std::string(s);
    size_t end = max;
    while (end > 0 && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80)
        --end;
    return std::string(s.substr(0, end));
}

bool IsLead(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

} // namespace

std::string CutFaceName(std::string_view utf8) {
    const auto bytes = cp932::FromUtf8(utf8);
    if (!bytes)
        return CutUtf8(utf8, kFaceNameMaxBytes);
    if (bytes->size() <= static_cast<size_t>(kFaceNameMaxBytes))
        return std::string(utf8);
    size_t end = 0;
    while (end < bytes->size()) {
        const size_t step = IsLead(static_cast<unsigned char>((*bytes)[end])) ? 2 : 1;
        if (end + step > static_cast<size_t>(kFaceNameMaxBytes))
            break;
        end += step;
    }
    return cp932::ToUtf8Lossy(std::string_view(*bytes).substr(0, end));
}

LoadedArtSettings LoadArtSettings(const SettingsStore& store) {
    LoadedArtSettings loaded;
    ArtSettings& s = loaded.settings;
    const ArtSettings d;
    const auto readInt = [&](std::string_view key, int def) {
        return store.ReadInt(kArtSection, key, def);
    };
    s.FontName = CutFaceName(store.ReadString(kArtSection, "FontName", d.FontName));
    s.FontSize = Clamp(readInt("FontSize", d.FontSize), kFontSizeMin, kFontSizeMax);
    s.Bold = readInt("Bold", d.Bold);
    s.Italic = readInt("Italic", d.Italic);
    s.FontDeg = readInt("FontDeg", d.FontDeg);
    for (const auto& info : kCharClasses)
        s.ClassSwitch(info.cls) = readInt(info.key, 1);
    s.CharMa = Clamp(readInt("CharMa", d.CharMa), kSpacingMin, kSpacingMax);
    s.LineMa = Clamp(readInt("LineMa", d.LineMa), kSpacingMin, kSpacingMax);
    s.BrightAll = Clamp(readInt("BrightAll", d.BrightAll), kBrightMin, kBrightMax);
    s.BrightR = Clamp(readInt("BrightR", d.BrightR), kBrightMin, kBrightMax);
    s.BrightG = Clamp(readInt("BrightG", d.BrightG), kBrightMin, kBrightMax);
    s.BrightB = Clamp(readInt("BrightB", d.BrightB), kBrightMin, kBrightMax);
    s.Mono = readInt("Mono", d.Mono);
    s.CharCol = ParseColourText(store.ReadString(kArtSection, "CharCol", ""), 0x000000);
    s.BkCol = ParseColourText(store.ReadString(kArtSection, "BkCol", ""), 0xFFFFFF);
    s.Rand = readInt("Rand", d.Rand);
    s.OutW = Clamp(readInt("OutW", d.OutW), kOutWMin, kOutWMax);
    loaded.zoom = readInt("Zoom", 0);
    loaded.classToggle = true;
    loaded.layout = ArtLayout{};
    return loaded;
}

std::string FormatThousands(std::string_view digits) {
    const size_t n = digits.size();
    std::string s(digits);
    if (n < 4 || n > 9)
        return s;
    if (n <= 6)
        return s.substr(0, n - 3) + "," + s.substr(n - 3);
    return s.substr(0, n - 6) + "," + s.substr(n - 6, 3) + "," + s.substr(n - 3);
}

std::string FormatThousands(long long value) {
    return FormatThousands(std::to_string(value));
}

} // namespace lumina
