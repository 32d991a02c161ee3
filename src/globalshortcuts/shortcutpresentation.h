#pragma once

#include "globalshortcuts/shortcut.h"

#include <QKeyCombination>
#include <QString>
#include <optional>

class KeyboardLayout;

namespace GlobalShortcuts {

// The shortcut as the user reads it, in this platform's notation: "Ctrl+Alt+H", "Super+F5".
QString presentableText(const Shortcut &shortcut, const KeyboardLayout &layout);

// The key combination a Qt menu item would carry for this shortcut; none when the key cannot appear
// in a menu (keypad keys, keys that type nothing).
std::optional<QKeyCombination> menuKeyCombination(const Shortcut &shortcut, const KeyboardLayout &layout);

} // namespace GlobalShortcuts
