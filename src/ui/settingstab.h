#pragma once

#include "platform/settingkey.h"

// The settings window's tabs, stored by the texts of settingKey's choices, in this order.
enum class SettingsTab {
    general,
    wheel,
};

namespace SettingsTabs {
extern const SettingKey settingKey;

SettingsTab stored(const UserDefaults &defaults);
void store(UserDefaults &defaults, SettingsTab tab);
} // namespace SettingsTabs
