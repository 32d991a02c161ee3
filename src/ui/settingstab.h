#pragma once

#include <QString>
#include <optional>

class UserDefaults;

// The settings window's tabs, stored under "settingsTab" by their raw values.
enum class SettingsTab {
    general,
    wheel,
};

namespace SettingsTabs {
inline const QString storageKey = QStringLiteral("settingsTab");

QString rawValue(SettingsTab tab);
std::optional<SettingsTab> fromRawValue(const QString &raw);
// The stored tab; the wheel tab when nothing usable is stored.
SettingsTab stored(const UserDefaults &defaults);
void store(UserDefaults &defaults, SettingsTab tab);
} // namespace SettingsTabs
