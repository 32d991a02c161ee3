#pragma once

#include "platform/keyboard.h"

#include <QtGlobal>

class WaylandSeat;
class XkbKeyLookup;

// Synthetic keys in the seat's keymap (the user's layout, so a German keyboard posts Ctrl+Z on its
// own Z key), the modifiers pressed as real keys before each key and let go after the sequence.
// What carries the keys to the compositor is the subclass's.
class SeatKeyboard : public Keyboard {
public:
    explicit SeatKeyboard(WaylandSeat &seat)
        : m_seat(seat)
    {
    }

    void post(const QList<KeyEvent> &events) final;
    // Known only while one of Ringle's surfaces has the keyboard; none held otherwise, since the
    // compositor tells no other client.
    KeyModifiers heldModifiers() final;
    KeyChord copyChord(const std::optional<RunningApp> &app) const final;
    KeyChord pasteChord(const std::optional<RunningApp> &app) const final;

protected:
    WaylandSeat &seat() const { return m_seat; }
    // Whether keys can be sent now, and what the log says when not.
    virtual bool ready() = 0;
    virtual const char *whyNotReady() const { return "the compositor takes no synthetic keys from Ringle"; }
    // `keycode` is the keymap's (evdev code + 8).
    virtual void send(quint32 keycode, bool down) = 0;
    // For a compositor that must be told the modifier state rather than working it out.
    virtual void sendModifiers(KeyModifiers) {}
    // Whether the compositor mixes the user's held modifiers into these keys, so the sequence
    // first lets go of every modifier key (the user may still hold the shortcut's).
    virtual bool sharesModifiersWithTheUser() const { return false; }
    virtual void flush() = 0;

private:
    void releaseModifierKeys(const XkbKeyLookup &lookup);

    WaylandSeat &m_seat;
};
