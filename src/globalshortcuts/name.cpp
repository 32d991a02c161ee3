#include "globalshortcuts/name.h"

#include "globalshortcuts/modifierflags.h"

namespace GlobalShortcuts {
Name Name::actionWheel()
{
    return Name(QStringLiteral("actionWheel"), Shortcut(Key::h, EventFlags::control | EventFlags::option));
}
} // namespace GlobalShortcuts
