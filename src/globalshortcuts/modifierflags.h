#pragma once

#include <QtGlobal>

// Modifiers come in two encodings: the event-flag form of key events and the older hot-key form that
// hot-key registration takes. Conversion maps exactly control, option, shift, command and function;
// every other bit vanishes.
namespace GlobalShortcuts::EventFlags {
inline constexpr quint64 control = 0x40000;
inline constexpr quint64 option = 0x80000;
inline constexpr quint64 shift = 0x20000;
inline constexpr quint64 command = 0x100000;
inline constexpr quint64 function = 0x800000;
} // namespace GlobalShortcuts::EventFlags

namespace GlobalShortcuts::HotKeyModifiers {
inline constexpr int control = 0x1000;
inline constexpr int option = 0x800;
inline constexpr int shift = 0x200;
inline constexpr int command = 0x100;
inline constexpr int function = 0x20000;
} // namespace GlobalShortcuts::HotKeyModifiers

namespace GlobalShortcuts {
int hotKeyModifiersFromEventFlags(quint64 eventFlags);
quint64 eventFlagsFromHotKeyModifiers(int hotKeyModifiers);
// Keeps only the five known hot-key bits.
int normalizedHotKeyModifiers(int hotKeyModifiers);
} // namespace GlobalShortcuts
