#pragma once

#include "platform/userdefaults.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The settings `ringle config` reads and writes: each key with the type Ringle reads it as and the
// values it accepts, so a typed value never lands under the wrong key or type.
namespace ConfigKeys {

enum class Type {
    boolean,
    integer,
    string,
    data,     // JSON text stored as bytes
    shortcut, // a shortcut's JSON as a string, or false when cleared
};

struct Key {
    QString name;
    Type type;
    QString defaultText; // what Ringle uses when nothing is stored
    QStringList choices; // for a string key with a closed set of values; empty means free text
};

const QList<Key> &all();
const Key *find(const QString &name);
QStringList names();

// Either the value to store or the reason the text is not acceptable for this key.
struct Parsed {
    std::optional<UserDefaults::Value> value;
    QString error;
};
// Reads `text` as `key` takes it: data keys are decoded with the stores' own decoders and stored in
// their compact form.
Parsed parse(const Key &key, const QString &text);

// The stored value as `get` prints it: JSON data as its text.
QString format(const UserDefaults::Value &value);
// True when Ringle reads `value` under `key` (the right type; for a shortcut, a string or false).
bool hasReadableType(const Key &key, const UserDefaults::Value &value);
QString typeName(Type type);
QString typeName(const UserDefaults::Value &value);

} // namespace ConfigKeys
