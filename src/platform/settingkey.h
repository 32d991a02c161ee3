#pragma once

#include "platform/userdefaults.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// One stored setting, declared once next to the code that reads it: the key as stored, its type, its
// default, the values it takes and what it is for. `ringle config` lists, checks and sets by it.
struct SettingKey {
    enum class Type { boolean, integer, string, data /* JSON text as bytes */, shortcut /* JSON text, or false */ };

    // Either the value to store or the reason the text is not acceptable for this key.
    struct Parsed {
        std::optional<UserDefaults::Value> value;
        QString error;
    };

    QString name;
    Type type;
    QString defaultText; // the default as a user reads it; for a flag or a choice, its stored text
    QString description;
    QStringList choices = {}; // the stored texts a string takes; empty means free text
    // How a typed text is read; flags and strings have a reading of their own, other types need one.
    std::function<Parsed(const SettingKey &key, const QString &text)> parseText = {};

    // The stored flag or choice; the default when nothing usable is stored.
    bool isOn(const UserDefaults &defaults) const;
    QString chosen(const UserDefaults &defaults) const;

    // Reads `text` as this key takes it: true or false for a flag, any case of a choice.
    Parsed parse(const QString &text) const;
    static Parsed refusal(const QString &message) { return {std::nullopt, message}; }
    // True when the app reads `value` under this key (the right type; for a shortcut, a string or false).
    bool holdsReadableType(const UserDefaults::Value &value) const;

    // The stored texts of `cases`, for `choices`.
    template <typename Cases, typename Raw> static QStringList texts(const Cases &cases, Raw rawValue)
    {
        QStringList result;
        for (const auto &value : cases)
            result.append(rawValue(value));
        return result;
    }

    static QString typeName(Type type);
    static QString typeName(const UserDefaults::Value &value);
    // The value as `ringle config get` prints it: JSON data as its text.
    static QString format(const UserDefaults::Value &value);
};
