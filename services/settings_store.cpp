#include "services/settings_store.h"

#include <QSettings>
#include <QString>

namespace lumina {
namespace {

QString KeyOf(std::string_view section, std::string_view key) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) +
           QLatin1Char('/') + QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace

SettingsStore::SettingsStore(std::string_view organisation, std::string_view application)
    : m_settings(std::make_unique<QSettings>(
          QSettings::IniFormat, QSettings::UserScope,
          QString::fromUtf8(organisation.data(), static_cast<qsizetype>(organisation.size())),
          QString::fromUtf8(application.data(), static_cast<qsizetype>(application.size())))) {}

SettingsStore::SettingsStore(const std::string& iniPath)
    : m_settings(
          std::make_unique<QSettings>(QString::fromStdString(iniPath), QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

int SettingsStore::ReadInt(std::string_view section, std::string_view key, int defaultValue) const {
    const QVariant value = m_settings->value(KeyOf(section, key));
    if (!value.isValid())
        return defaultValue;
    // Integers are stored as 32-bit numbers; anything else in the file reads as absent.
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok || number < INT32_MIN || number > INT32_MAX)
        return defaultValue;
    return static_cast<int>(number);
}

void SettingsStore::WriteInt(std::string_view section, std::string_view key, int value) {
    m_settings->setValue(KeyOf(section, key), value);
    m_settings->sync();
}

std::string SettingsStore::ReadString(std::string_view section, std::string_view key,
                                      std::string_view defaultValue) const {
    const QVariant value = m_settings->value(KeyOf(section, key));
    if (!value.isValid())
        return std::string(defaultValue);
    return value.toString().toStdString();
}

void SettingsStore::WriteString(std::string_view section, std::string_view key,
                                std::string_view value) {
    m_settings->setValue(KeyOf(section, key),
                         QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
    m_settings->sync();
}

bool SettingsStore::Contains(std::string_view section, std::string_view key) const {
    return m_settings->contains(KeyOf(section, key));
}

std::string SettingsStore::FilePath() const {
    return m_settings->fileName().toStdString();
}

} // namespace lumina
