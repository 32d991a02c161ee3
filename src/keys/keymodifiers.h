#pragma once

#include "keys/keyplatform.h"

#include <QHashFunctions>
#include <QString>
#include <Qt>
#include <span>

// The modifier keys held with a key: the one set that hot keys, the recorders, key combinations,
// the mouse trigger and synthetic keys all use. On Linux the flags name physical keys:
// command = Super, option = Alt. Foreign encodings (stored bits, X masks) convert through a table of
// `Bit`s where they are read and written.
class KeyModifiers {
public:
    enum Flag : quint8 {
        control = 1,
        option = 2,
        shift = 4,
        command = 8,
        // Reported by the keyboard for F-keys and navigation keys; never pressed or drawn on its own.
        function = 16,
    };

    // One flag's bit in a foreign encoding.
    struct Bit {
        Flag flag;
        quint64 bit;
    };

    constexpr KeyModifiers() = default;
    constexpr KeyModifiers(Flag flag)
        : m_flags(flag)
    {
    }

    constexpr bool contains(Flag flag) const { return (m_flags & flag) == flag; }
    constexpr bool isEmpty() const { return m_flags == 0; }
    constexpr KeyModifiers operator|(KeyModifiers other) const { return fromFlags(m_flags | other.m_flags); }
    constexpr KeyModifiers without(KeyModifiers other) const { return fromFlags(m_flags & ~other.m_flags); }

    // Bits the encoding does not list are dropped.
    static constexpr KeyModifiers fromBits(quint64 bits, std::span<const Bit> encoding)
    {
        KeyModifiers result;
        for (const Bit &entry : encoding) {
            if (bits & entry.bit)
                result = result | entry.flag;
        }
        return result;
    }
    constexpr quint64 toBits(std::span<const Bit> encoding) const
    {
        quint64 bits = 0;
        for (const Bit &entry : encoding) {
            if (contains(entry.flag))
                bits |= entry.bit;
        }
        return bits;
    }

    // Ctrl, Alt, Shift and Meta (Super); Qt has no function modifier.
    static KeyModifiers fromQt(Qt::KeyboardModifiers modifiers);
    Qt::KeyboardModifiers toQt() const;

    // The one place that writes modifiers as text, always in the order control, option, shift,
    // command: "⌃⌥⇧⌘" on macOS, "Ctrl+Alt+Shift+Super+" on Linux (so that a key label can follow).
    QString symbols(KeyPlatform platform = currentKeyPlatform()) const;

    friend constexpr bool operator==(KeyModifiers, KeyModifiers) = default;
    friend size_t qHash(KeyModifiers modifiers, size_t seed = 0) noexcept { return ::qHash(modifiers.m_flags, seed); }

private:
    static constexpr KeyModifiers fromFlags(int flags)
    {
        KeyModifiers result;
        result.m_flags = quint8(flags);
        return result;
    }

    quint8 m_flags = 0;
};

constexpr KeyModifiers operator|(KeyModifiers::Flag a, KeyModifiers::Flag b)
{
    return KeyModifiers(a) | b;
}
