#pragma once

#include <QString>

namespace GlobalShortcuts {

// The recorder's words, looked up by their localisation keys ("record_shortcut", "ok", …).
namespace RecorderTexts {
QString text(const char *key);
// "keyboard_shortcut_used_by_menu_item" with the item's title filled in.
QString usedByMenuItem(const QString &menuItemTitle);
} // namespace RecorderTexts

} // namespace GlobalShortcuts
