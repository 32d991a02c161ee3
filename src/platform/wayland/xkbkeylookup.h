#pragma once

#include "keys/keymodifiers.h"

#include <QtGlobal>
#include <optional>

struct xkb_keymap;

// Where a keymap has the keys Ringle posts: the key and layout that give a keysym without Shift
// (so no modifier is implied), and the modifier masks the compositor's modifier state uses.
class XkbKeyLookup final {
public:
    struct Location {
        quint32 keycode = 0; // xkb keycode (evdev code + 8)
        quint32 layout = 0;
    };

    explicit XkbKeyLookup(xkb_keymap *keymap);

    // Prefers `layout` (the one the user types with now), then the others in order; a key that
    // gives the keysym only with Shift is the last resort.
    std::optional<Location> find(quint32 keysym, quint32 layout = 0) const;
    // The depressed-modifier mask that stands for these modifiers (the function modifier has none).
    quint32 maskFor(KeyModifiers modifiers) const;

private:
    xkb_keymap *m_keymap;
};
