#include "keys/keymodifiers.h"

#include <QCoreApplication>

namespace {
struct QtModifier {
    KeyModifiers::Flag flag;
    Qt::KeyboardModifier qt;
    const char *mac;
    const char *linuxName;
};

constexpr QtModifier notationOrder[] = {
    {KeyModifiers::control, Qt::ControlModifier, "⌃", QT_TRANSLATE_NOOP("KeyModifiers", "Ctrl")},
    {KeyModifiers::option, Qt::AltModifier, "⌥", QT_TRANSLATE_NOOP("KeyModifiers", "Alt")},
    {KeyModifiers::shift, Qt::ShiftModifier, "⇧", QT_TRANSLATE_NOOP("KeyModifiers", "Shift")},
    {KeyModifiers::command, Qt::MetaModifier, "⌘", QT_TRANSLATE_NOOP("KeyModifiers", "Super")},
};
} // namespace

KeyModifiers KeyModifiers::fromQt(Qt::KeyboardModifiers modifiers)
{
    KeyModifiers result;
    for (const QtModifier &entry : notationOrder) {
        if (modifiers & entry.qt)
            result = result | entry.flag;
    }
    return result;
}

Qt::KeyboardModifiers KeyModifiers::toQt() const
{
    Qt::KeyboardModifiers result;
    for (const QtModifier &entry : notationOrder) {
        if (contains(entry.flag))
            result |= entry.qt;
    }
    return result;
}

QString KeyModifiers::symbols(KeyPlatform platform) const
{
    QString text;
    for (const QtModifier &entry : notationOrder) {
        if (!contains(entry.flag))
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
