#pragma once

#include "platform/hotkeyservice.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <functional>

struct xcb_connection_t;
class QTimer;
class X11Keymap;

// Turns the key presses and releases read from the X connection into hot key and raw key events. With
// detectable auto-repeat a held key shows as repeated presses and one release; a release belongs to
// whatever its press fired, even when the modifiers went up first or the raw events were turned off
// in between.
class X11KeyPressTracker final : public QObject {
    Q_OBJECT
public:
    struct HotKeyRef {
        quint32 signature;
        quint32 id;
    };
    // The hot keys registered for a keycode with a modifier mask (lock keys left out).
    using Matcher = std::function<QList<HotKeyRef>(quint8 keycode, quint16 mask)>;

    X11KeyPressTracker(xcb_connection_t *connection, const X11Keymap &keymap, QList<quint32> roots, Matcher matcher);

    // A press of a key that is still down counts as a repeat only this long after the last one; a
    // press whose release went to another client is a new press.
    void setRepeatWindow(quint32 ms) { m_repeatWindowMs = ms; }
    bool setEventHandler(HotKeyService::EventHandler handler);
    void setHotKeyEventsEnabled(bool enabled) { m_hotKeyEvents = enabled; }
    void setRawKeyEventsEnabled(bool enabled);

    // True when the event was taken as a hot key or by the handler.
    bool handleKeyEvent(bool press, quint8 keycode, quint16 state, quint32 window, quint32 time);

private:
    bool deliver(const HotKeyEvent &event);
    void pollReleasedKeys();

    xcb_connection_t *m_connection;
    const X11Keymap &m_keymap;
    QList<quint32> m_roots;
    Matcher m_matcher;
    QHash<quint8, QList<HotKeyRef>> m_pressedHotKeys;
    QHash<quint8, quint32> m_lastPressTime; // keys seen going down and not yet up
    // Raw presses the handler took, with their modifiers: their release is reported with the same
    // modifiers, even when it comes after the raw events were turned off.
    QHash<quint8, KeyModifiers> m_rawDown;
    QTimer *m_releasePoll;
    quint32 m_repeatWindowMs = 1000;
    HotKeyService::EventHandler m_handler;
    bool m_hotKeyEvents = false;
    bool m_rawKeyEvents = false;
};
