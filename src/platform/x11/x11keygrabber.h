#pragma once

#include "keys/key.h"

#include <QHash>
#include <QList>
#include <optional>

struct xcb_connection_t;
class X11Keymap;

// Passive key grabs on the root windows: one per lock-key variant, every request checked, so a key
// another client holds fails to grab. Grabs are shared: the key stays grabbed while any registration
// that asked for it keeps it.
class X11KeyGrabber final {
public:
    X11KeyGrabber(xcb_connection_t *connection, const X11Keymap &keymap);
    ~X11KeyGrabber();
    Q_DISABLE_COPY_MOVE(X11KeyGrabber)

    const QList<quint32> &roots() const { return m_roots; }

    // Grabs every keycode the key has with the modifier mask, or none: the keycodes grabbed.
    std::optional<QList<quint8>> grab(Key key, quint16 mask);
    void release(const QList<quint8> &keycodes, quint16 mask);
    bool isTakenByAnotherClient(Key key, quint16 mask);

private:
    bool grabCombo(quint8 keycode, quint16 mask);
    void ungrabCombo(quint8 keycode, quint16 mask);

    xcb_connection_t *m_connection;
    xcb_connection_t *m_probeConnection = nullptr;
    const X11Keymap &m_keymap;
    QList<quint32> m_roots;
    QHash<quint32, int> m_grabCounts; // (keycode << 16 | mask) → registrations sharing the grab
};
