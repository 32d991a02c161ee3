#pragma once

#include "globalshortcuts/key.h"

#include <QHashFunctions>
#include <QString>
#include <optional>

namespace GlobalShortcuts {

// A key plus modifiers as registered for a hot key and stored under a name.
struct Shortcut {
    int carbonKeyCode = 0;
    int carbonModifiers = 0; // hot-key form (see HotKeyModifiers)

    // Both normalise the modifiers, so stray bits vanish.
    Shortcut(Key key, quint64 eventFlags);
    static Shortcut fromCarbon(int keyCode, int hotKeyModifiers);

    enum class KeyEventType { keyDown, keyUp, flagsChanged };
    // Only key-down and key-up events make a shortcut; the event's function modifier is dropped.
    static std::optional<Shortcut> fromKeyEvent(KeyEventType type, int keyCode, quint64 eventFlags);

    // The modifiers in event-flag form.
    quint64 modifiers() const;
    Key key() const { return Key(carbonKeyCode); }

    // {"carbonKeyCode":4,"carbonModifiers":6144}: compact, in that order.
    QString toJson() const;
    // Both members are required and taken as they are; anything else (including numbers that are not
    // whole or do not fit an int) reads as none.
    static std::optional<Shortcut> fromJson(const QString &json);

    bool operator==(const Shortcut &) const = default;

private:
    Shortcut(int keyCode, int hotKeyModifiers, bool)
        : carbonKeyCode(keyCode)
        , carbonModifiers(hotKeyModifiers)
    {
    }
};

inline size_t qHash(const Shortcut &shortcut, size_t seed = 0) noexcept
{
    return qHashMulti(seed, shortcut.carbonKeyCode, shortcut.carbonModifiers);
}

} // namespace GlobalShortcuts
