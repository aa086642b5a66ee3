#include "services/settings_table.h"

#include "services/settings_store.h"

namespace lumina {

int IntSetting::Read(const SettingsStore& store) const {
    return Read(store, defaultValue);
}

int IntSetting::Read(const SettingsStore& store, int runtimeDefault) const {
    return Clamp(store.ReadInt(section, key, runtimeDefault));
}

void IntSetting::Write(SettingsStore& store, int value) const {
    store.WriteInt(section, key, Clamp(value));
}

bool IntSetting::StoredOutOfRange(const SettingsStore& store) const {
    if (!store.Contains(section, key))
        return false;
    const int stored = store.ReadInt(section, key, defaultValue);
    return Clamp(stored) != stored;
}

bool BoolSetting::Read(const SettingsStore& store) const {
    return store.ReadInt(section, key, defaultValue ? 1 : 0) != 0;
}

void BoolSetting::Write(SettingsStore& store, bool on) const {
    store.WriteInt(section, key, on ? 1 : 0);
}

std::string StringSetting::Read(const SettingsStore& store) const {
    return CutUtf8(store.ReadString(section, key, defaultValue), maxBytes);
}

void StringSetting::Write(SettingsStore& store, std::string_view value) const {
    store.WriteString(section, key, CutUtf8(value, maxBytes));
}

std::string CutUtf8(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes)
        return std::string(text);
    std::size_t end = maxBytes;
    // Continuation bytes (10xxxxxx) belong to the character that started before them.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return std::string(text.substr(0, end));
}

} // namespace lumina
