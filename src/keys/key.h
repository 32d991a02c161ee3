#pragma once

#include "keys/keymodifiers.h"

#include <QHashFunctions>
#include <optional>

// A physical key by its Mac virtual key code (the key's position on the ANSI layout, the same code
// on every platform and the code stored in settings; the X11 backend maps it to a keysym).
struct Key {
    quint16 code = 0;

    constexpr Key() = default;
    constexpr Key(quint16 macKeyCode)
        : code(macKeyCode)
    {
    }
    constexpr bool operator==(const Key &) const = default;

    // Keys for which the keyboard reports the function modifier by itself (F1–F20 and the
    // navigation keys); matching ignores the function modifier on them.
    bool hasSynthesizedFunctionModifier() const;
    // The modifier this key is one of the keys of (left or right Command, Shift, Option, Control).
    std::optional<KeyModifiers::Flag> modifierFlag() const;

    static const Key a, b, c, d, e, f, g, h, i, j, k, l, m, n, o, p, q, r, s, t, u, v, w, x, y, z;
    static const Key zero, one, two, three, four, five, six, seven, eight, nine;
    static const Key equal, minus, leftBracket, rightBracket, quote, semicolon, backslash, comma, slash,
        period, backtick;
    static const Key returnKey, tab, space, deleteKey, escape, help, home, end, pageUp, pageDown,
        deleteForward, upArrow, rightArrow, downArrow, leftArrow;
    static const Key f1, f2, f3, f4, f5, f6, f7, f8, f9, f10, f11, f12, f13, f14, f15, f16, f17, f18, f19,
        f20;
    static const Key keypad0, keypad1, keypad2, keypad3, keypad4, keypad5, keypad6, keypad7, keypad8,
        keypad9, keypadClear, keypadDecimal, keypadDivide, keypadEnter, keypadEquals, keypadMinus,
        keypadMultiply, keypadPlus;
};

// The key that stands for each modifier when one must be pressed (the left one), in pressing order.
struct ModifierKey {
    KeyModifiers::Flag flag;
    Key key;
};
inline constexpr ModifierKey modifierKeys[] = {
    {KeyModifiers::control, 59},
    {KeyModifiers::option, 58},
    {KeyModifiers::shift, 56},
    {KeyModifiers::command, 55},
};

inline size_t qHash(Key key, size_t seed = 0) noexcept
{
    return ::qHash(key.code, seed);
}
