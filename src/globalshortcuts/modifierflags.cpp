#include "globalshortcuts/modifierflags.h"

namespace GlobalShortcuts {
namespace {
struct ModifierPair {
    quint64 eventFlag;
    int hotKeyBit;
};

constexpr ModifierPair pairs[] = {
    {EventFlags::control, HotKeyModifiers::control}, {EventFlags::option, HotKeyModifiers::option},
    {EventFlags::shift, HotKeyModifiers::shift},     {EventFlags::command, HotKeyModifiers::command},
    {EventFlags::function, HotKeyModifiers::function},
};
} // namespace

int hotKeyModifiersFromEventFlags(quint64 eventFlags)
{
    int result = 0;
    for (const ModifierPair &pair : pairs) {
        if (eventFlags & pair.eventFlag)
            result |= pair.hotKeyBit;
    }
    return result;
}

quint64 eventFlagsFromHotKeyModifiers(int hotKeyModifiers)
{
    quint64 result = 0;
    for (const ModifierPair &pair : pairs) {
        if (hotKeyModifiers & pair.hotKeyBit)
            result |= pair.eventFlag;
    }
    return result;
}

int normalizedHotKeyModifiers(int hotKeyModifiers)
{
    return hotKeyModifiersFromEventFlags(eventFlagsFromHotKeyModifiers(hotKeyModifiers));
}
} // namespace GlobalShortcuts
