#pragma once

#include "services/settings_table.h"

#include <QRect>

#include <ostream>
#include <string>
#include <vector>

namespace lumina {
class SettingsStore;
}

namespace lumina::test {

// A value a hand-edited settings file may hold where the program expects another.
struct HostileValue {
    std::string name;
    bool isNumber = false;
    int number = 0;
    std::string text;

    void WriteTo(SettingsStore& store, const SettingKey& key) const;
};

// Test names and failures show the value's name.
void PrintTo(const HostileValue& value, std::ostream* out);

// The extremes and malformed values every key must survive: the smallest and largest 32-bit
// numbers, an empty text, a text that is no number, and a huge text.
std::vector<HostileValue> HostileValues();

// The placement the window restored can be taken with the mouse: part of its title bar (the top
// 24 pixels of its frame) lies on the desktop.
bool TitleBarReachable(const QRect& frame, const QRect& desktop);

} // namespace lumina::test
