#pragma once

#include "keys/key.h"
#include "keys/keymodifiers.h"

#include <QList>
#include <QtGlobal>
#include <optional>

struct xcb_connection_t;
struct _XCBKeySymbols;

// This keyboard's map as the hot keys need it: keycodes for virtual key codes and back, and which
// modifier bits the lock keys use. Call refresh() after the server reports a mapping change.
class X11Keymap final {
public:
    explicit X11Keymap(xcb_connection_t *connection);
    ~X11Keymap();
    Q_DISABLE_COPY_MOVE(X11Keymap)

    void refresh();

    // Every keycode that produces the key's keysym; empty when this keyboard has none.
    QList<quint8> keycodesForKey(Key key) const;
    // The key of a keycode, judged by its unshifted keysym (then its shifted one, so keypad keys
    // count whatever NumLock says).
    std::optional<Key> keyForKeycode(quint8 keycode) const;

    quint16 numLockMask() const { return m_numLockMask; }
    // The modifier state that passive grabs must also cover: none, CapsLock, NumLock, both.
    QList<quint16> lockVariants() const;

    // Modifiers as X modifier bits: control → Control, option → Mod1 (Alt), shift → Shift,
    // command → Mod4 (Super). The function modifier has no X counterpart and is ignored.
    static quint16 modifierMask(KeyModifiers modifiers);
    // The other way, ignoring lock keys and buttons.
    static KeyModifiers modifiers(quint16 state);

private:
    quint16 findNumLockMask() const;

    xcb_connection_t *m_connection;
    _XCBKeySymbols *m_symbols = nullptr;
    quint16 m_numLockMask = 0;
};
