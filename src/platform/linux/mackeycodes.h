#pragma once

#include "keys/key.h"
#include "keys/keymodifiers.h"

#include <QString>
#include <optional>

// The product stores keys as Macintosh virtual key codes (positions on the ANSI layout). On Linux
// each code stands for a keysym, which the keyboard map (X11's, or the keymap a Wayland seat sends)
// turns into this keyboard's keycodes. Shared by the hot keys, the recorder and the keystroke backends.
namespace MacKeyCodes {
// The keysym of a key (the unshifted one for letters, digits and punctuation).
std::optional<quint32> keysymForKey(Key key);
// The key of a keysym; upper-case letters count as their lower-case keys.
std::optional<Key> keyForKeysym(quint32 keysym);
// The character a key types without modifiers (lower case for letters), or empty.
QString characterForKey(Key key);
// The modifier a modifier key's keysym stands for (AltGr counts as Option), else none.
std::optional<KeyModifiers::Flag> modifierOfKeysym(quint32 keysym);
// The character a keysym types (letters in lower case), or empty for keysyms that type nothing.
QString characterForKeysym(quint32 keysym);
} // namespace MacKeyCodes
