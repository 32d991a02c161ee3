#pragma once

#include "platform/keyboard.h"

struct _XCBKeySymbols;
class X11Connection;

// Synthetic keys through XTest. The X server has no flags on key events: the modifier state the
// target sees is the state of the modifier keys. So before each event the modifier keys are
// brought to exactly the event's modifiers (modifiers the user still holds are released, missing ones
// pressed), and afterwards the keys the user holds are pressed again.
class X11Keyboard final : public Keyboard {
public:
    explicit X11Keyboard(X11Connection &connection);
    ~X11Keyboard() override;
    X11Keyboard(const X11Keyboard &) = delete;
    X11Keyboard &operator=(const X11Keyboard &) = delete;

    void post(const QList<KeyEvent> &events) override;
    KeyModifiers heldModifiers() override;
    KeyChord copyChord(const std::optional<RunningApp> &app) const override;
    KeyChord pasteChord(const std::optional<RunningApp> &app) const override;

private:
    class Poster;

    void onEvent(const void *event);
    // The modifier of a keycode whose key is a modifier, else none.
    std::optional<KeyModifiers::Flag> modifierOfKeycode(quint8 keycode) const;
    quint8 keycodeForKey(Key key) const;
    QList<quint8> keycodesDown() const;

    X11Connection &m_connection;
    _XCBKeySymbols *m_symbols = nullptr;
    int m_handler = 0;
};
