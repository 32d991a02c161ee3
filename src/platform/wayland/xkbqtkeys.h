#pragma once

#include <QtGlobal>

// The Qt key for an xkb keysym: named keys by table, characters by their upper-case code point;
// 0 for keysyms Qt has no key for.
namespace XkbQtKeys {
int qtKey(quint32 keysym);
// Whether the keysym is one of the keypad's keys (Qt marks those with the keypad modifier).
bool isKeypad(quint32 keysym);
} // namespace XkbQtKeys
