#include "ui/settingstab.h"

namespace SettingsTabs {

const SettingKey settingKey{QStringLiteral("settingsTab"), SettingKey::Type::string, QStringLiteral("wheel"),
                            QStringLiteral("The settings window's tab shown last."),
                            {QStringLiteral("general"), QStringLiteral("wheel")}};

SettingsTab stored(const UserDefaults &defaults)
{
    return SettingsTab(settingKey.choices.indexOf(settingKey.chosen(defaults)));
}

void store(UserDefaults &defaults, SettingsTab tab)
{
    const QString &raw = settingKey.choices.at(int(tab));
    if (defaults.stringValue(settingKey.name) != raw)
        defaults.setString(settingKey.name, raw);
}

} // namespace SettingsTabs
