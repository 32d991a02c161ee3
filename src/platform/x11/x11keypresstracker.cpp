#include "platform/x11/x11keypresstracker.h"

#include "platform/x11/x11keymap.h"

#include <QTimer>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {
constexpr quint16 keyModifierBits = 0xFF; // Shift, Lock, Control, Mod1–Mod5; not the buttons
}

X11KeyPressTracker::X11KeyPressTracker(xcb_connection_t *connection, const X11Keymap &keymap, QList<quint32> roots,
                                       Matcher matcher)
    : m_connection(connection)
    , m_keymap(keymap)
    , m_roots(std::move(roots))
    , m_matcher(std::move(matcher))
    , m_releasePoll(new QTimer(this))
{
    m_releasePoll->setInterval(15);
    connect(m_releasePoll, &QTimer::timeout, this, &X11KeyPressTracker::pollReleasedKeys);
}

bool X11KeyPressTracker::setEventHandler(HotKeyService::EventHandler handler)
{
    m_handler = std::move(handler);
    return bool(m_handler);
}

void X11KeyPressTracker::setRawKeyEventsEnabled(bool enabled)
{
    m_rawKeyEvents = enabled;
    // Once the menu lets the keyboard go, the release of a key pressed in it goes to whichever window
    // has the focus, not to us: watch the keyboard until the key is up.
    if (!enabled && !m_rawDown.isEmpty() && !m_releasePoll->isActive())
        m_releasePoll->start();
}

void X11KeyPressTracker::pollReleasedKeys()
{
    xcb_query_keymap_reply_t *keymap =
        xcb_query_keymap_reply(m_connection, xcb_query_keymap(m_connection), nullptr);
    if (!keymap)
        return;
    QList<quint8> released;
    for (auto it = m_rawDown.cbegin(); it != m_rawDown.cend(); ++it) {
        if (!(keymap->keys[it.key() / 8] & (1 << (it.key() % 8))))
            released.append(it.key());
    }
    std::free(keymap);
    for (quint8 keycode : released) {
        const KeyModifiers modifiers = m_rawDown.take(keycode);
        if (const std::optional<Key> key = m_keymap.keyForKeycode(keycode))
            deliver({HotKeyEvent::Kind::rawKeyUp, 0, 0, *key, modifiers, false});
    }
    if (m_rawDown.isEmpty() || m_rawKeyEvents)
        m_releasePoll->stop();
}

bool X11KeyPressTracker::handleKeyEvent(bool press, quint8 keycode, quint16 state, quint32 window, quint32 time)
{
    bool isRepeat = false;
    if (press) {
        const auto last = m_lastPressTime.constFind(keycode);
        isRepeat = last != m_lastPressTime.cend() && quint32(time - *last) <= m_repeatWindowMs;
        m_lastPressTime.insert(keycode, time);
    } else {
        m_lastPressTime.remove(keycode);
    }

    if (press && m_hotKeyEvents && m_roots.contains(window)) {
        const quint16 cleanState = state & keyModifierBits & ~(XCB_MOD_MASK_LOCK | m_keymap.numLockMask());
        if (const QList<HotKeyRef> matched = m_matcher(keycode, cleanState); !matched.isEmpty()) {
            if (isRepeat)
                return true;
            m_pressedHotKeys.insert(keycode, matched);
            for (const HotKeyRef &ref : matched)
                deliver({HotKeyEvent::Kind::hotKeyPressed, ref.signature, ref.id, {}, {}, false});
            return true;
        }
    }
    // The release belongs to whatever fired on the press, even if the modifiers went up first.
    if (!press) {
        if (const QList<HotKeyRef> fired = m_pressedHotKeys.take(keycode); !fired.isEmpty()) {
            for (const HotKeyRef &ref : fired)
                deliver({HotKeyEvent::Kind::hotKeyReleased, ref.signature, ref.id, {}, {}, false});
            return true;
        }
    }
    const std::optional<Key> key = m_keymap.keyForKeycode(keycode);
    if (!press) {
        // A key-up whose modifiers went up first still belongs to its key-down.
        if (const auto down = m_rawDown.constFind(keycode); down != m_rawDown.cend()) {
            const KeyModifiers modifiers = *down;
            m_rawDown.erase(down);
            if (key)
                deliver({HotKeyEvent::Kind::rawKeyUp, 0, 0, *key, modifiers, false});
            return true;
        }
    }
    if (!m_rawKeyEvents || !key)
        return false;
    const KeyModifiers modifiers = X11Keymap::modifiers(state);
    const bool handled = deliver({press ? HotKeyEvent::Kind::rawKeyDown : HotKeyEvent::Kind::rawKeyUp, 0, 0,
                                  *key, modifiers, press && isRepeat});
    if (press && handled)
        m_rawDown.insert(keycode, modifiers);
    return handled;
}

bool X11KeyPressTracker::deliver(const HotKeyEvent &event)
{
    // A copy: the handler may replace itself.
    const HotKeyService::EventHandler handler = m_handler;
    return handler && handler(event);
}
