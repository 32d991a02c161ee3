#pragma once

#include "platform/workspace.h"

#include <QList>
#include <QtGlobal>
#include <optional>

// Modifier flags of key events, in the values the stored key combinations use.
namespace EventFlag {
inline constexpr quint64 shift = 0x20000;
inline constexpr quint64 control = 0x40000;
inline constexpr quint64 option = 0x80000;
inline constexpr quint64 command = 0x100000;
// The four modifiers waited for and sent; caps lock and the function key are not among them.
inline constexpr quint64 modifierMask = shift | control | option | command;
} // namespace EventFlag

// One synthetic key transition. Key codes are the product's virtual key codes (the ANSI layout
// codes stored in key combinations); the backend maps them to this keyboard. The target must see
// exactly `flags` as the modifier state of the event.
struct KeyEvent {
    quint16 keyCode = 0;
    bool down = true;
    quint64 flags = 0;

    friend bool operator==(const KeyEvent &, const KeyEvent &) = default;
};

// A key with the modifiers it is sent with.
struct KeyChord {
    quint16 keyCode = 0;
    quint64 flags = 0;

    friend bool operator==(const KeyChord &, const KeyChord &) = default;
};

// Synthetic keyboard input to the application in front, and the state of the modifier keys.
class Keyboard {
public:
    virtual ~Keyboard() = default;

    // Posts the events in order, with no delay between them. Keys this keyboard cannot produce
    // are skipped.
    virtual void post(const QList<KeyEvent> &events) = 0;

    // The modifier keys held now, as EventFlag bits.
    virtual quint64 modifierFlags() = 0;

    // The platform's copy and paste keys for this application (terminal emulators differ).
    virtual KeyChord copyChord(const std::optional<RunningApp> &app) const = 0;
    virtual KeyChord pasteChord(const std::optional<RunningApp> &app) const = 0;
};
