#pragma once

#include "globalshortcuts/shortcut.h"
#include "platform/settingkey.h"

#include <QString>
#include <optional>

namespace GlobalShortcuts {

// A shortcut the user can change, identified by its raw value alone.
struct Name {
    QString rawValue;
    std::optional<Shortcut> defaultShortcut; // also the initial shortcut

    explicit Name(QString raw = QString(), std::optional<Shortcut> defaultValue = std::nullopt)
        : rawValue(std::move(raw))
        , defaultShortcut(defaultValue)
    {
    }

    // The user-defaults key of the stored shortcut.
    QString defaultsKey() const { return defaultsKeyPrefix() + rawValue; }
    static QString defaultsKeyPrefix() { return QStringLiteral("GlobalShortcuts_"); }
    // The stored shortcut as a setting: its JSON, or false once the user cleared it.
    SettingKey settingKey() const;

    bool operator==(const Name &other) const { return rawValue == other.rawValue; }

    // The name that opens the wheel; defaults to control-option-H.
    static Name actionWheel();
};

inline size_t qHash(const Name &name, size_t seed = 0) noexcept
{
    return qHash(name.rawValue, seed);
}

} // namespace GlobalShortcuts
