#include "actions/keystroke.h"

#include <iterator>

namespace Keystroke {
QList<KeyEvent> keyPressEvents(KeyChord chord)
{
    return {{chord.key, true, chord.modifiers}, {chord.key, false, chord.modifiers}};
}

QList<KeyEvent> comboEvents(KeyChord chord, int times)
{
    QList<KeyEvent> events;
    KeyModifiers running;
    for (const ModifierKey &m : modifierKeys) {
        if (!chord.modifiers.contains(m.flag))
            continue;
        running = running | m.flag;
        events.append({m.key, true, running});
    }
    for (int i = 0; i < times; ++i) {
        events.append({chord.key, true, running});
        events.append({chord.key, false, running});
    }
    for (auto it = std::rbegin(modifierKeys); it != std::rend(modifierKeys); ++it) {
        if (!chord.modifiers.contains(it->flag))
            continue;
        running = running.without(it->flag);
        events.append({it->key, false, running});
    }
    return events;
}

void send(Keyboard &keyboard, KeyChord chord)
{
    keyboard.post(keyPressEvents(chord));
}

void sendCombo(Keyboard &keyboard, KeyChord chord)
{
    keyboard.post(comboEvents(chord));
}
} // namespace Keystroke
