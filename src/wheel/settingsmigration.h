#pragma once

#include "platform/settingkey.h"
#include "platform/userdefaults.h"

// One-time clean-ups run at every start, before the wheel is used; each is guarded by its own flag.
namespace SettingsMigration {
extern const SettingKey migratedKey;
extern const SettingKey removedKey;

// Copies every setting of the earlier product (its domain is JsonFileDefaults::pathForDomain("Varno"))
// that this application does not have yet, never overwriting (migratedKey); then removes the old
// per-action shortcuts, keeping only the one that opens the wheel (removedKey).
void runOnce(UserDefaults &app, UserDefaults &earlier);
} // namespace SettingsMigration
