#pragma once

#include "platform/settingkey.h"
#include "platform/userdefaults.h"
#include "wheel/jsondecodeerror.h"
#include "wheel/wheellogging.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

// The byte value under one key that a store owns. A stored value that cannot be read (another type,
// or bytes its decoder refuses) is copied aside before the store's first write over it, so that one
// edit after damage does not destroy the user's data. The copy goes under "<key>.unreadable"; an
// existing copy is never replaced: a different value goes under the first free "<key>.unreadable.2",
// ".3", …, and a value already kept is not stored twice.
class StoredData final {
public:
    StoredData(UserDefaults &defaults, QString key);

    // The decoded stored value; none when nothing is stored or it is unreadable. `decode` takes the
    // bytes and throws JsonDecodeError when it cannot read them.
    template <typename Decode> auto read(Decode decode) -> std::optional<decltype(decode(QByteArray()))>
    {
        const std::optional<UserDefaults::Value> stored = m_defaults.value(m_key);
        if (!stored)
            return std::nullopt;
        try {
            if (!std::holds_alternative<QByteArray>(*stored))
                throw JsonDecodeError(QStringLiteral("Not a data value."));
            return decode(std::get<QByteArray>(*stored));
        } catch (const JsonDecodeError &error) {
            qCWarning(lcWheel) << "stored" << m_key << "is unreadable:" << error.message();
            m_unreadable = *stored;
            return std::nullopt;
        }
    }

    // Stores the bytes, after keeping an unreadable value that they would replace.
    void write(const QByteArray &bytes);
    // What is under the key now, readable or not.
    std::optional<UserDefaults::Value> stored() const { return m_defaults.value(m_key); }

    // The setting of a store's JSON: `normalise` turns a typed text into the compact form the store
    // writes, or throws JsonDecodeError.
    static SettingKey setting(QString name, QString defaultText, QString description,
                              QByteArray (*normalise)(const QByteArray &json));

private:
    void keepUnreadable();

    UserDefaults &m_defaults;
    QString m_key;
    std::optional<UserDefaults::Value> m_unreadable;
};
