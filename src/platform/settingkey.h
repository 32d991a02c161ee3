#pragma once

#include "platform/userdefaults.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// One stored setting, stated once where the code that owns it lives: the key as stored, the type it
// is stored as, the default used when nothing readable is stored, the values it takes and what it is
// for. Its owner reads it through this; `ringle config` lists, checks and sets every key by it.
struct SettingKey {
    enum class Type {
        boolean,
        integer,
        string,
        data,     // JSON text stored as bytes
        shortcut, // a shortcut's JSON as a string, or false when cleared
    };

    // Either the value to store or the reason the text is not acceptable for this key.
    struct Parsed {
        std::optional<UserDefaults::Value> value;
        QString error;
    };
    using Parse = std::function<Parsed(const SettingKey &key, const QString &text)>;

    QString name;
    Type type;
    QString defaultText; // the default as a user reads it; for a flag or a choice, its stored text
    QString description;
    QStringList choices = {}; // the stored texts a string takes; empty means free text
    Parse parseText = {};     // how a typed text is read; flags and strings have a reading of their own

    static SettingKey flag(QString name, bool fallback, QString description);
    static SettingKey choice(QString name, QStringList choices, QString fallback, QString description);

    // The stored flag, or the default.
    bool isOn(const UserDefaults &defaults) const;
    // The stored text when it is one of the choices, or the default.
    QString chosen(const UserDefaults &defaults) const;

    // Reads `text` as this key takes it: true or false for a flag, any case of a choice.
    Parsed parse(const QString &text) const;
    // True when the app reads `value` under this key (the right type; for a shortcut, a string or false).
    bool holdsReadableType(const UserDefaults::Value &value) const;
    // A refusal naming the key, for parseText.
    static Parsed refusal(const QString &message) { return {std::nullopt, message}; }

    static QString typeName(Type type);
    static QString typeName(const UserDefaults::Value &value);
    // The value as `ringle config get` prints it: JSON data as its text.
    static QString format(const UserDefaults::Value &value);
};
