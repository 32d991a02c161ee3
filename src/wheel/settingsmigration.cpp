#include "wheel/settingsmigration.h"

namespace SettingsMigration {
const SettingKey migratedKey{QStringLiteral("migratedFromVarno"), SettingKey::Type::boolean, QStringLiteral("false"),
                             QStringLiteral("Whether the earlier product's settings were copied over.")};
const SettingKey removedKey{QStringLiteral("removedActionShortcuts"), SettingKey::Type::boolean, QStringLiteral("false"),
                            QStringLiteral("Whether the shortcuts of single actions were removed.")};

void runOnce(UserDefaults &app, UserDefaults &earlier)
{
    if (!migratedKey.isOn(app)) {
        for (const QString &key : earlier.keys()) {
            if (app.value(key))
                continue;
            if (const std::optional<UserDefaults::Value> value = earlier.value(key))
                app.setValue(key, *value);
        }
        app.setBool(migratedKey.name, true);
    }

    if (!removedKey.isOn(app)) {
        const QString prefix = QStringLiteral("GlobalShortcuts_");
        for (const QString &key : app.keys()) {
            if (key.startsWith(prefix) && key != QLatin1String("GlobalShortcuts_actionWheel"))
                app.remove(key);
        }
        app.setBool(removedKey.name, true);
    }
}
} // namespace SettingsMigration
