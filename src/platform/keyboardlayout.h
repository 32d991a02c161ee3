#pragma once

#include "keys/key.h"

#include <QString>
#include <optional>

// A key press as a widget sees it: the toolkit's key and the native codes behind it.
struct NativeKeyPress {
    int qtKey = 0;
    quint32 nativeScanCode = 0;   // X keycode on X11; 0 when unknown
    quint32 nativeVirtualKey = 0; // keysym on X11; 0 when unknown
};

// Keys that only change what others do (Shift, Ctrl, Alt, Super, the lock keys): a press of one
// alone is never a key combination of its own.
bool isModifierKey(int qtKey);

// Translates between the product's keys and the keys of this keyboard.
class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;

    // The pressed key, or none for keys the product has no code for.
    virtual std::optional<Key> keyForKeyPress(const NativeKeyPress &press) const = 0;
    // The character the key types without modifiers (lower case for letters), or empty.
    virtual QString characterForKey(Key key) const = 0;
};
