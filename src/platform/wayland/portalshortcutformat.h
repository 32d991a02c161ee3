#pragma once

#include "keys/key.h"
#include "keys/keymodifiers.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <optional>

// What goes over the bus to the GlobalShortcuts portal and back, checked on the way in.
namespace PortalShortcutFormat {
struct Shortcut {
    QString id;
    QVariantMap properties;
};

// Before the first list is sent or read, and before signals are followed.
void registerTypes();
// The a(sa{sv}) argument of BindShortcuts.
QVariant shortcutList(const QList<Shortcut> &shortcuts);
// The shortcuts an answer lists, their trigger descriptions by id; none when it lists none in the
// expected form.
std::optional<QHash<QString, QString>> boundShortcuts(const QVariantMap &results);
// A handle given as an object path, or as a string as some portals do; empty when it is neither.
QString objectPath(const QVariant &value);
// "CTRL+ALT+h": the modifiers, then the key's keysym name; empty for a key without a keysym.
QString trigger(Key key, KeyModifiers modifiers);
} // namespace PortalShortcutFormat
