#pragma once

#include "platform/keyboard.h"

// Synthetic key presses through the keyboard port.
namespace Keystroke {
// The modifier keys of a combination in pressing order: control, option, shift, command.
struct ModifierKey {
    quint16 keyCode;
    quint64 flag;
};
inline constexpr ModifierKey comboModifiers[] = {
    {59, EventFlag::control},
    {58, EventFlag::option},
    {56, EventFlag::shift},
    {55, EventFlag::command},
};

// One key press, down and up, both carrying exactly `flags`.
QList<KeyEvent> keyPressEvents(quint16 keyCode, quint64 flags);
// The key between real presses of its modifiers; flags other than the four modifiers are dropped.
QList<KeyEvent> comboEvents(quint16 keyCode, quint64 flags);

void send(Keyboard &keyboard, quint16 keyCode, quint64 flags);
void send(Keyboard &keyboard, KeyChord chord);
void sendCombo(Keyboard &keyboard, quint16 keyCode, quint64 flags);
} // namespace Keystroke
