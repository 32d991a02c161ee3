#pragma once

#include "platform/settingkey.h"

#include <QList>

// The settings `ringle config` reads and writes, each declared by the code that owns it.
namespace ConfigKeys {
// In the order `ringle config list` prints them.
const QList<const SettingKey *> &all();
const SettingKey *find(const QString &name);
} // namespace ConfigKeys
