#include "art/settings.h"

#include "platform/cp932.h"
#include "services/settings_store.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace lumina {

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

ToneMode ToneModeOf(const ArtSettings& settings) {
    switch (settings.Tone) {
    case 1:
        return ToneMode::Stretch;
    case 2:
        return ToneMode::Equalize;
    default:
        return ToneMode::None;
    }
}

std::string_view ChoiceText(const ArtSettingRow& row, int value) {
    const int count = ChoiceCount(row);
    if (value >= 0 && value < count)
        return row.choices[static_cast<size_t>(value)];
    return row.choices[static_cast<size_t>(value != 0 && count > 0 ? count - 1 : 0)];
}

int ChoiceValue(const ArtSettingRow& row, std::string_view text) {
    for (int i = 0; i < ChoiceCount(row); ++i) {
        if (row.choices[static_cast<size_t>(i)] == text)
            return i;
    }
    return 0;
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

namespace {

void LoadRow(const ArtSettingRow& row, const SettingsStore& store, ArtSettings& s) {
    switch (row.kind) {
    case GridItemKind::Font:
        s.FontName = CutFaceName(row.text.Read(store));
        s.FontSize = row.number.Read(store);
        break;
    case GridItemKind::Colour:
        s.*row.colour = ParseColourText(row.text.Read(store), row.emptyColour);
        break;
    case GridItemKind::Boolean:
    case GridItemKind::Spin:
    case GridItemKind::Choice:
        s.*row.field = row.number.Read(store);
        break;
    case GridItemKind::ReadOnly:
        break;
    }
}

} // namespace

LoadedArtSettings LoadArtSettings(const SettingsStore& store) {
    LoadedArtSettings loaded;
    for (const ArtSettingRow* row : kArtSettingRows)
        LoadRow(*row, store, loaded.settings);
    loaded.zoom = zoviv::Zoom.Read(store);
    loaded.classToggle = true;
    loaded.layout = ArtLayout{};
    return loaded;
}

std::vector<SettingKey> ZovivSettingKeys() {
    std::vector<SettingKey> keys;
    for (const ArtSettingRow* row : kArtSettingRows) {
        if (!row->number.key.empty())
            keys.push_back(row->number.Key());
        if (!row->text.key.empty())
            keys.push_back(row->text.Key());
    }
    keys.push_back(zoviv::Zoom.Key());
    for (const auto& row : zoviv::Placement.Rows())
        keys.push_back(row.Key());
    keys.push_back(zoviv::AutoUpdate.Key());
    return keys;
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
