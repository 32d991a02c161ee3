#include "ui/settingstab.h"

#include "platform/userdefaults.h"

namespace SettingsTabs {

QString rawValue(SettingsTab tab)
{
    return tab == SettingsTab::general ? QStringLiteral("general") : QStringLiteral("wheel");
}

std::optional<SettingsTab> fromRawValue(const QString &raw)
{
    if (raw == QLatin1String("general"))
        return SettingsTab::general;
    if (raw == QLatin1String("wheel"))
        return SettingsTab::wheel;
    return std::nullopt;
}

SettingsTab stored(const UserDefaults &defaults)
{
    return fromRawValue(defaults.stringValue(storageKey).value_or(QString())).value_or(SettingsTab::wheel);
}

void store(UserDefaults &defaults, SettingsTab tab)
{
    if (defaults.stringValue(storageKey) != rawValue(tab))
        defaults.setString(storageKey, rawValue(tab));
}

} // namespace SettingsTabs
