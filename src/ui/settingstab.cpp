#include "ui/settingstab.h"

#include "platform/userdefaults.h"

namespace SettingsTabs {

const SettingKey settingKey = SettingKey::choice(QStringLiteral("settingsTab"),
                                                 {rawValue(SettingsTab::general), rawValue(SettingsTab::wheel)},
                                                 rawValue(SettingsTab::wheel),
                                                 QStringLiteral("The settings window's tab shown last."));

QString rawValue(SettingsTab tab)
{
    return tab == SettingsTab::general ? QStringLiteral("general") : QStringLiteral("wheel");
}

std::optional<SettingsTab> fromRawValue(const QString &raw)
{
    for (SettingsTab tab : {SettingsTab::general, SettingsTab::wheel}) {
        if (rawValue(tab) == raw)
            return tab;
    }
    return std::nullopt;
}

SettingsTab stored(const UserDefaults &defaults)
{
    return *fromRawValue(settingKey.chosen(defaults));
}

void store(UserDefaults &defaults, SettingsTab tab)
{
    if (defaults.stringValue(settingKey.name) != rawValue(tab))
        defaults.setString(settingKey.name, rawValue(tab));
}

} // namespace SettingsTabs
