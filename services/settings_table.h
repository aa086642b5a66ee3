#pragma once

#include <climits>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumina {

class SettingsStore;

// The rows of the settings tables. Each section declares its keys once, as constexpr rows beside
// the state they fill; every read and every write of a stored value goes through its row, so a
// hand-edited file can only ever hand the program values within the row's range.

// Where a value is stored.
struct SettingKey {
    std::string_view section;
    std::string_view key;
};

// A stored integer: absent (or not a number) it reads as its default; outside min..max it reads as
// the nearer bound, or as `outside` where the row names one (a mode whose unknown numbers all mean
// the same thing). Writes are held to the same range.
struct IntSetting {
    std::string_view section;
    std::string_view key;
    int defaultValue = 0;
    int min = INT_MIN;
    int max = INT_MAX;
    std::optional<int> outside = std::nullopt;

    constexpr int Clamp(int value) const {
        if (value >= min && value <= max)
            return value;
        if (outside)
            return *outside;
        return value < min ? min : max;
    }
    // A row is sound when its range is not empty and its default and `outside` lie within it.
    constexpr bool IsSound() const {
        const auto inRange = [this](int v) { return v >= min && v <= max; };
        return min <= max && inRange(defaultValue) && (!outside || inRange(*outside));
    }
    constexpr SettingKey Key() const { return {section, key}; }

    int Read(const SettingsStore& store) const;
    // The same with a default known only at run time (one that follows the window's size).
    int Read(const SettingsStore& store, int runtimeDefault) const;
    void Write(SettingsStore& store, int value) const;
    // True when a number is stored that the range changes.
    bool StoredOutOfRange(const SettingsStore& store) const;
};

// A stored switch: 0 reads as off, any other number as on; written as 1 or 0.
struct BoolSetting {
    std::string_view section;
    std::string_view key;
    bool defaultValue = false;

    constexpr SettingKey Key() const { return {section, key}; }

    bool Read(const SettingsStore& store) const;
    void Write(SettingsStore& store, bool on) const;
};

// A stored text (UTF-8). A text longer than maxBytes is read, and written, cut to that length at a
// character boundary.
struct StringSetting {
    std::string_view section;
    std::string_view key;
    std::string_view defaultValue;
    std::size_t maxBytes = 1024;

    constexpr SettingKey Key() const { return {section, key}; }

    std::string Read(const SettingsStore& store) const;
    void Write(SettingsStore& store, std::string_view value) const;
};

// The first at most maxBytes bytes of UTF-8 text, never splitting a character.
std::string CutUtf8(std::string_view text, std::size_t maxBytes);

} // namespace lumina
