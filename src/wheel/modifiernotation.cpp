#include "wheel/modifiernotation.h"

#include <QCoreApplication>

namespace ModifierNotation {
QString symbols(KeyModifiers modifiers, KeyPlatform platform)
{
    struct Entry {
        KeyModifiers::Flag flag;
        const char *mac;
        const char *linuxName;
    };
    static constexpr Entry order[] = {
        {KeyModifiers::control, "⌃", QT_TRANSLATE_NOOP("KeyModifiers", "Ctrl")},
        {KeyModifiers::option, "⌥", QT_TRANSLATE_NOOP("KeyModifiers", "Alt")},
        {KeyModifiers::shift, "⇧", QT_TRANSLATE_NOOP("KeyModifiers", "Shift")},
        {KeyModifiers::command, "⌘", QT_TRANSLATE_NOOP("KeyModifiers", "Super")},
    };
    QString text;
    for (const Entry &entry : order) {
        if (!modifiers.contains(entry.flag))
            continue;
        if (platform == KeyPlatform::mac) {
            text += QString::fromUtf8(entry.mac);
        } else {
            text += QCoreApplication::translate("KeyModifiers", entry.linuxName);
            text += QLatin1Char('+');
        }
    }
    return text;
}
} // namespace ModifierNotation

QString KeyModifiers::symbols() const
{
    return ModifierNotation::symbols(*this, ModifierNotation::current());
}
