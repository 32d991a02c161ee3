#pragma once

#include <QHashFunctions>
#include <QString>
#include <QtGlobal>

// The modifier keys held with a key combination, as a set of flags over an integer raw value
// (the value stored in JSON). On Linux the bits name physical keys: command = Super, option = Alt.
struct KeyModifiers {
    enum Flag : int {
        command = 1,
        option = 2,
        control = 4,
        shift = 8,
    };

    int rawValue = 0;

    constexpr KeyModifiers() = default;
    constexpr explicit KeyModifiers(int raw)
        : rawValue(raw)
    {
    }
    constexpr KeyModifiers(Flag flag)
        : rawValue(flag)
    {
    }

    constexpr bool contains(Flag flag) const { return (rawValue & flag) == flag; }
    constexpr bool isEmpty() const { return rawValue == 0; }
    constexpr KeyModifiers operator|(KeyModifiers other) const { return KeyModifiers(rawValue | other.rawValue); }

    // The set flags in this platform's notation (see ModifierNotation), e.g. "⌥⇧⌘" or "Ctrl+Shift+".
    QString symbols() const;

    constexpr bool operator==(const KeyModifiers &) const = default;
};

constexpr KeyModifiers operator|(KeyModifiers::Flag a, KeyModifiers::Flag b)
{
    return KeyModifiers(int(a) | int(b));
}

inline size_t qHash(KeyModifiers modifiers, size_t seed = 0) noexcept
{
    return ::qHash(modifiers.rawValue, seed);
}
