#pragma once

#include "platform/userdefaults.h"

// One-time clean-ups run at every start, before the wheel is used; each is guarded by its own flag.
namespace SettingsMigration {
// Copies every setting of the earlier product (its domain is JsonFileDefaults::pathForDomain("Varno"))
// that this application does not have yet, never overwriting ("migratedFromVarno"); then removes the
// old per-action shortcuts, keeping only the one that opens the wheel ("removedActionShortcuts").
void runOnce(UserDefaults &app, UserDefaults &earlier);
} // namespace SettingsMigration
