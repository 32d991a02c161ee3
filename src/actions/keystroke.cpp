#include "actions/keystroke.h"

#include <iterator>

namespace Keystroke {
QList<KeyEvent> keyPressEvents(quint16 keyCode, quint64 flags)
{
    return {{keyCode, true, flags}, {keyCode, false, flags}};
}

QList<KeyEvent> comboEvents(quint16 keyCode, quint64 flags)
{
    QList<KeyEvent> events;
    quint64 running = 0;
    for (const ModifierKey &m : comboModifiers) {
        if (!(flags & m.flag))
            continue;
        running |= m.flag;
        events.append({m.keyCode, true, running});
    }
    events.append({keyCode, true, running});
    events.append({keyCode, false, running});
    for (auto it = std::rbegin(comboModifiers); it != std::rend(comboModifiers); ++it) {
        if (!(flags & it->flag))
            continue;
        running &= ~it->flag;
        events.append({it->keyCode, false, running});
    }
    return events;
}

void send(Keyboard &keyboard, quint16 keyCode, quint64 flags)
{
    keyboard.post(keyPressEvents(keyCode, flags));
}

void send(Keyboard &keyboard, KeyChord chord)
{
    send(keyboard, chord.keyCode, chord.flags);
}

void sendCombo(Keyboard &keyboard, quint16 keyCode, quint64 flags)
{
    keyboard.post(comboEvents(keyCode, flags));
}
} // namespace Keystroke
