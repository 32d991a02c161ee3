#pragma once

#include "keys/key.h"
#include "keys/keymodifiers.h"

#include <QHashFunctions>
#include <QString>
#include <optional>

namespace GlobalShortcuts {

// A key plus modifiers as registered for a hot key and stored under a name.
struct Shortcut {
    Key key;
    KeyModifiers modifiers;

    // {"carbonKeyCode":4,"carbonModifiers":6144}: compact, in that order, with the modifiers as
    // control 0x1000, option 0x800, shift 0x200, command 0x100, function 0x20000.
    QString toJson() const;
    // Both members are required: a key code 0–65535 and modifiers that fit a non-negative int, whose
    // unknown bits are dropped. Anything else reads as none.
    static std::optional<Shortcut> fromJson(const QString &json);

    bool operator==(const Shortcut &) const = default;
};

inline size_t qHash(const Shortcut &shortcut, size_t seed = 0) noexcept
{
    return qHashMulti(seed, shortcut.key, shortcut.modifiers);
}

} // namespace GlobalShortcuts
