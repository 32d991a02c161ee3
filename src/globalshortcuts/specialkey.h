#pragma once

#include <QString>
#include <optional>

namespace GlobalShortcuts {

// Keys without a printable character of their own (Return, arrows, F1–F20, the keypad, …), by
// virtual key code: how they are written and which Qt key a menu's shortcut uses for them.
namespace SpecialKeys {
bool isSpecial(int keyCode);
// The key's name in this platform's notation, e.g. "Page Up", "F5", "Num 7".
std::optional<QString> label(int keyCode);
// The Qt::Key a menu item's shortcut would use; none for keypad keys, which menus do not match.
std::optional<int> menuQtKey(int keyCode);
} // namespace SpecialKeys

} // namespace GlobalShortcuts
