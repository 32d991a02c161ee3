#include "wheel/settingsmigration.h"

namespace SettingsMigration {
void runOnce(UserDefaults &app, UserDefaults &earlier)
{
    const QString migratedKey = QStringLiteral("migratedFromVarno");
    if (!app.boolValue(migratedKey).value_or(false)) {
        for (const QString &key : earlier.keys()) {
            if (app.value(key))
                continue;
            if (const std::optional<UserDefaults::Value> value = earlier.value(key))
                app.setValue(key, *value);
        }
        app.setBool(migratedKey, true);
    }

    const QString removedKey = QStringLiteral("removedActionShortcuts");
    if (!app.boolValue(removedKey).value_or(false)) {
        const QString prefix = QStringLiteral("GlobalShortcuts_");
        for (const QString &key : app.keys()) {
            if (key.startsWith(prefix) && key != QLatin1String("GlobalShortcuts_actionWheel"))
                app.remove(key);
        }
        app.setBool(removedKey, true);
    }
}
} // namespace SettingsMigration
