#pragma once

#include "platform/settingkey.h"

#include <QString>
#include <optional>

// The settings window's tabs, stored by their raw values.
enum class SettingsTab {
    general,
    wheel,
};

namespace SettingsTabs {
extern const SettingKey settingKey;

QString rawValue(SettingsTab tab);
std::optional<SettingsTab> fromRawValue(const QString &raw);
// The stored tab; the wheel tab when nothing usable is stored.
SettingsTab stored(const UserDefaults &defaults);
void store(UserDefaults &defaults, SettingsTab tab);
} // namespace SettingsTabs
