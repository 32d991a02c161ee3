#pragma once

#include "keys/key.h"

#include <QString>
#include <optional>

namespace GlobalShortcuts {

// Keys without a printable character of their own (Return, arrows, F1–F20, the keypad, …):
// how they are written and which Qt key a menu's shortcut uses for them.
namespace SpecialKeys {
bool isSpecial(Key key);
// The key's name in this platform's notation, e.g. "Page Up", "F5", "Num 7".
std::optional<QString> label(Key key);
// The Qt::Key a menu item's shortcut would use; none for keypad keys, which menus do not match.
std::optional<int> menuQtKey(Key key);
} // namespace SpecialKeys

} // namespace GlobalShortcuts
