#include "tests/support/hostile_settings.h"

#include "services/settings_store.h"

#include <algorithm>
#include <climits>

namespace lumina::test {

void HostileValue::WriteTo(SettingsStore& store, const SettingKey& key) const {
    if (isNumber)
        store.WriteInt(key.section, key.key, number);
    else
        store.WriteString(key.section, key.key, text);
}

void PrintTo(const HostileValue& value, std::ostream* out) {
    *out << value.name;
}

std::vector<HostileValue> HostileValues() {
    return {
        {"IntMin", true, INT_MIN, {}},
        {"IntMax", true, INT_MAX, {}},
        {"Empty", false, 0, ""},
        {"Text", false, 0, "twelve 12"},
        // Digits, so that a reader taking leading digits meets the longest number it can.
        {"Huge", false, 0, std::string(16 * 1024, '9')},
    };
}

bool TitleBarReachable(const QRect& frame, const QRect& desktop) {
    const QRect titleBar(frame.topLeft(), QSize(frame.width(), 24));
    const QRect onDesktop = titleBar.intersected(desktop);
    return onDesktop.height() >= 8 && onDesktop.width() >= std::min(frame.width(), 64);
}

} // namespace lumina::test
