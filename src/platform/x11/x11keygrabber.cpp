#include "platform/x11/x11keygrabber.h"

#include "platform/x11/x11keymap.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <utility>

namespace {

quint32 comboKey(quint8 keycode, quint16 mask)
{
    return quint32(keycode) << 16 | mask;
}

QList<quint32> rootWindows(xcb_connection_t *connection)
{
    QList<quint32> roots;
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem; xcb_screen_next(&it))
        roots.append(it.data->root);
    return roots;
}

// Waits until the server has carried out this connection's requests. Requests on different
// connections are not ordered, so without it a grab on another connection may still find ours.
void syncWithServer(xcb_connection_t *connection)
{
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

void ungrabOnServer(xcb_connection_t *connection, const QList<quint32> &roots, quint8 keycode, quint16 mask,
                    const QList<quint16> &variants)
{
    for (quint32 root : roots) {
        for (quint16 variant : variants)
            xcb_ungrab_key(connection, keycode, root, quint16(mask | variant));
    }
    syncWithServer(connection);
}

// Grabs the key with every lock variant on every root, or nothing: a variant another client holds
// fails the whole grab.
bool grabOnServer(xcb_connection_t *connection, const QList<quint32> &roots, quint8 keycode, quint16 mask,
                  const QList<quint16> &variants)
{
    struct Pending {
        xcb_void_cookie_t cookie;
        quint32 root;
        quint16 modifiers;
    };
    QList<Pending> pending;
    for (quint32 root : roots) {
        for (quint16 variant : variants) {
            const quint16 modifiers = quint16(mask | variant);
            // Not owner events: presses in our own windows come to the root grab as well.
            pending.append({xcb_grab_key_checked(connection, 0, root, modifiers, keycode, XCB_GRAB_MODE_ASYNC,
                                                 XCB_GRAB_MODE_ASYNC),
                            root, modifiers});
        }
    }
    QList<Pending> granted;
    for (const Pending &p : pending) {
        if (xcb_generic_error_t *error = xcb_request_check(connection, p.cookie)) {
            std::free(error);
            continue;
        }
        granted.append(p);
    }
    if (granted.size() == pending.size())
        return true;
    for (const Pending &p : granted)
        xcb_ungrab_key(connection, keycode, p.root, p.modifiers);
    syncWithServer(connection);
    return false;
}

} // namespace

X11KeyGrabber::X11KeyGrabber(xcb_connection_t *connection, const X11Keymap &keymap)
    : m_connection(connection)
    , m_keymap(keymap)
    , m_roots(rootWindows(connection))
{
}

X11KeyGrabber::~X11KeyGrabber()
{
    if (m_probeConnection)
        xcb_disconnect(m_probeConnection);
}

std::optional<QList<quint8>> X11KeyGrabber::grab(Key key, quint16 mask)
{
    const QList<quint8> keycodes = m_keymap.keycodesForKey(key);
    if (keycodes.isEmpty())
        return std::nullopt;
    QList<quint8> grabbed;
    for (quint8 keycode : keycodes) {
        if (!grabCombo(keycode, mask)) {
            release(grabbed, mask);
            return std::nullopt;
        }
        grabbed.append(keycode);
    }
    return grabbed;
}

void X11KeyGrabber::release(const QList<quint8> &keycodes, quint16 mask)
{
    for (quint8 keycode : keycodes)
        ungrabCombo(keycode, mask);
}

bool X11KeyGrabber::grabCombo(quint8 keycode, quint16 mask)
{
    int &count = m_grabCounts[comboKey(keycode, mask)];
    if (count == 0 && !grabOnServer(m_connection, m_roots, keycode, mask, m_keymap.lockVariants())) {
        m_grabCounts.remove(comboKey(keycode, mask));
        return false;
    }
    ++count;
    return true;
}

void X11KeyGrabber::ungrabCombo(quint8 keycode, quint16 mask)
{
    const auto it = m_grabCounts.find(comboKey(keycode, mask));
    if (it == m_grabCounts.end() || --*it > 0)
        return;
    m_grabCounts.erase(it);
    ungrabOnServer(m_connection, m_roots, keycode, mask, m_keymap.lockVariants());
}

bool X11KeyGrabber::isTakenByAnotherClient(Key key, quint16 mask)
{
    // Probe from a connection of our own: a grab succeeds for the client that already holds it.
    if (!m_probeConnection) {
        m_probeConnection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_probeConnection)) {
            xcb_disconnect(std::exchange(m_probeConnection, nullptr));
            return false;
        }
    }
    const QList<quint32> roots = rootWindows(m_probeConnection);
    const QList<quint16> variants = m_keymap.lockVariants();
    for (quint8 keycode : m_keymap.keycodesForKey(key)) {
        if (m_grabCounts.contains(comboKey(keycode, mask)))
            continue; // ours
        if (!grabOnServer(m_probeConnection, roots, keycode, mask, variants))
            return true;
        ungrabOnServer(m_probeConnection, roots, keycode, mask, variants);
    }
    return false;
}
