#include "globalshortcuts/recordertexts.h"

#include <QCoreApplication>
#include <cstring>

namespace GlobalShortcuts::RecorderTexts {
namespace {
struct Entry {
    const char *key;
    const char *english;
};

constexpr Entry entries[] = {
    {"space_key", QT_TRANSLATE_NOOP("GlobalShortcuts", "Space")},
    {"record_shortcut", QT_TRANSLATE_NOOP("GlobalShortcuts", "Set Shortcut")},
    {"press_shortcut", QT_TRANSLATE_NOOP("GlobalShortcuts", "Press keys…")},
    {"keyboard_shortcut_used_by_menu_item",
     QT_TRANSLATE_NOOP("GlobalShortcuts", "The menu item “%1” already uses this shortcut.")},
    {"keyboard_shortcut_used_by_system",
     QT_TRANSLATE_NOOP("GlobalShortcuts", "Another application or your desktop already uses this shortcut.")},
    {"keyboard_shortcuts_can_be_changed",
     QT_TRANSLATE_NOOP("GlobalShortcuts", "Desktop shortcuts can be changed in your desktop's keyboard settings.")},
    {"keyboard_shortcut_disallowed", QT_TRANSLATE_NOOP("GlobalShortcuts", "This shortcut cannot be used.")},
    {"ok", QT_TRANSLATE_NOOP("GlobalShortcuts", "OK")},
    {"force_use_shortcut", QT_TRANSLATE_NOOP("GlobalShortcuts", "Use Anyway")},
};
} // namespace

QString text(const char *key)
{
    for (const Entry &entry : entries) {
        if (std::strcmp(entry.key, key) == 0)
            return QCoreApplication::translate("GlobalShortcuts", entry.english);
    }
    return QString::fromLatin1(key);
}

QString usedByMenuItem(const QString &menuItemTitle)
{
    return text("keyboard_shortcut_used_by_menu_item").arg(menuItemTitle);
}

} // namespace GlobalShortcuts::RecorderTexts
