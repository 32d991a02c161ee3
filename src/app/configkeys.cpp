#include "app/configkeys.h"

#include "ai/aiaction.h"
#include "ai/localmodelconfig.h"
#include "ai/targetlanguage.h"
#include "globalshortcuts/name.h"
#include "ui/settingstab.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"
#include "wheel/settingsmigration.h"
#include "wheel/wheelmousesettings.h"
#include "wheel/wheelstore.h"

#include <algorithm>

namespace ConfigKeys {

const QList<const SettingKey *> &all()
{
    static const SettingKey wheelShortcut = GlobalShortcuts::Name::actionWheel().settingKey();
    static const QList<const SettingKey *> keys{
        &WheelStore::setsKey,
        &WheelStore::legacyKey,
        &WheelStore::followsAppKey,
        &KeyComboStore::settingKey,
        &PromptStore::settingKey,
        &WheelMouseSettings::buttonKey,
        &WheelMouseSettings::modifiersKey,
        &TargetLanguages::settingKey,
        &AIActions::showResultFirstKey,
        &LocalModelConfig::providerKey,
        &LocalModelConfig::serverKey,
        &LocalModelConfig::nameKey,
        &SettingsMigration::migratedKey,
        &SettingsMigration::removedKey,
        &SettingsTabs::settingKey,
        &wheelShortcut,
    };
    return keys;
}

const SettingKey *find(const QString &name)
{
    const auto it = std::find_if(all().cbegin(), all().cend(), [&](const SettingKey *key) { return key->name == name; });
    return it == all().cend() ? nullptr : *it;
}

} // namespace ConfigKeys
