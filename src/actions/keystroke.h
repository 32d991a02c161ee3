#pragma once

#include "platform/keyboard.h"

// Synthetic key presses through the keyboard port.
namespace Keystroke {
// One key press, down and up, both carrying exactly `modifiers`.
QList<KeyEvent> keyPressEvents(KeyChord chord);
// The key, pressed `times` times, between real presses of its modifiers; the function modifier is
// not pressed.
QList<KeyEvent> comboEvents(KeyChord chord, int times = 1);

void send(Keyboard &keyboard, KeyChord chord);
void sendCombo(Keyboard &keyboard, KeyChord chord);
} // namespace Keystroke
