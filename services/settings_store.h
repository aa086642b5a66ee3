#pragma once

#include <memory>
#include <string>
#include <string_view>

class QSettings;

namespace lumina {

// Per-user sections of named 32-bit integers and strings. Every call goes to the INI file at
// once: reads fall back to the default, writes are flushed immediately, failures are silent.
class SettingsStore {
public:
    // The store of the given organisation and application in the user's configuration folder.
    SettingsStore(std::string_view organisation, std::string_view application);
    // A store in an explicit INI file (tests, or a portable set-up).
    explicit SettingsStore(const std::string& iniPath);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    int ReadInt(std::string_view section, std::string_view key, int defaultValue) const;
    void WriteInt(std::string_view section, std::string_view key, int value);
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    bool Contains(std::string_view section, std::string_view key) const;
    std::string FilePath() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace lumina
