#include "platform/x11/x11hotkeyservice.h"

#include "platform/x11/qtxcbconnection.h"
#include "platform/x11/x11keymap.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTimer>

#include <xcb/xcb.h>
// <xcb/xkb.h> names a struct member "explicit".
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <algorithm>
#include <cstdlib>

Q_LOGGING_CATEGORY(lcHotKey, "ringle.x11.hotkey")

namespace {
constexpr quint16 keyModifierBits = 0xFF; // Shift, Lock, Control, Mod1–Mod5; not the buttons

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

X11HotKeyService::X11HotKeyService(QObject *parent)
    : QObject(parent)
    , m_connection(qtXcbConnection())
{
    if (!m_connection) {
        qCWarning(lcHotKey) << "Not running on X11: global shortcuts are unavailable";
        return;
    }
    m_roots = rootWindows(m_connection);
    m_keymap = std::make_unique<X11Keymap>(m_connection);
    m_releasePoll = new QTimer(this);
    m_releasePoll->setInterval(15);
    connect(m_releasePoll, &QTimer::timeout, this, &X11HotKeyService::pollReleasedKeys);
    enableDetectableAutoRepeat();
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11HotKeyService::~X11HotKeyService()
{
    if (!m_connection)
        return;
    QCoreApplication::instance()->removeNativeEventFilter(this);
    for (Registration &registration : m_registrations)
        releaseKeycodes(registration);
    if (m_probeConnection)
        xcb_disconnect(m_probeConnection);
}

void X11HotKeyService::enableDetectableAutoRepeat()
{
    if (const xcb_query_extension_reply_t *xkb = xcb_get_extension_data(m_connection, &xcb_xkb_id);
        xkb && xkb->present)
        m_xkbFirstEvent = xkb->first_event;
    std::free(xcb_xkb_use_extension_reply(m_connection, xcb_xkb_use_extension(m_connection, 1, 0), nullptr));

    constexpr quint32 flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    xcb_xkb_per_client_flags_reply_t *flags = xcb_xkb_per_client_flags_reply(
        m_connection, xcb_xkb_per_client_flags(m_connection, XCB_XKB_ID_USE_CORE_KBD, flag, flag, 0, 0, 0), nullptr);
    if (!flags || !(flags->value & flag))
        qCWarning(lcHotKey) << "The X server has no detectable auto-repeat; held shortcuts may repeat";
    std::free(flags);

    // A press of a key that is still down counts as a repeat only within the repeat delay; a press
    // whose release went to another client is a new press.
    if (xcb_xkb_get_controls_reply_t *controls = xcb_xkb_get_controls_reply(
            m_connection, xcb_xkb_get_controls(m_connection, XCB_XKB_ID_USE_CORE_KBD), nullptr)) {
        m_repeatWindowMs = std::max<quint32>(controls->repeatDelay, controls->repeatInterval) + 200;
        std::free(controls);
    }
}

std::optional<HotKeyService::Handle> X11HotKeyService::registerHotKey(quint32 keyCode, quint32 modifiers,
                                                                      quint32 signature, quint32 id)
{
    if (!m_connection)
        return std::nullopt;
    Registration registration{keyCode, modifiers, signature, id, X11Keymap::modifierMask(modifiers), {}};
    if (!grabKeycodes(registration)) {
        qCDebug(lcHotKey) << "Cannot grab key" << keyCode << "with modifiers" << Qt::hex << modifiers;
        return std::nullopt;
    }
    const Handle handle = m_nextHandle++;
    m_registrations.insert(handle, registration);
    return handle;
}

void X11HotKeyService::unregisterHotKey(Handle handle)
{
    const auto it = m_registrations.find(handle);
    if (it == m_registrations.end())
        return;
    releaseKeycodes(*it);
    m_registrations.erase(it);
}

bool X11HotKeyService::grabKeycodes(Registration &registration)
{
    const QList<quint8> keycodes = m_keymap->keycodesForKeyCode(int(registration.keyCode));
    if (keycodes.isEmpty() || int(registration.keyCode) < 0)
        return false;
    for (quint8 keycode : keycodes) {
        if (!grabCombo(keycode, registration.mask)) {
            releaseKeycodes(registration);
            return false;
        }
        registration.keycodes.append(keycode);
    }
    return true;
}

void X11HotKeyService::releaseKeycodes(Registration &registration)
{
    for (quint8 keycode : std::exchange(registration.keycodes, {}))
        ungrabCombo(keycode, registration.mask);
}

bool X11HotKeyService::grabCombo(quint8 keycode, quint16 mask)
{
    int &count = m_grabCounts[comboKey(keycode, mask)];
    if (count == 0 && !grabOnServer(m_connection, m_roots, keycode, mask, m_keymap->lockVariants())) {
        m_grabCounts.remove(comboKey(keycode, mask));
        return false;
    }
    ++count;
    return true;
}

void X11HotKeyService::ungrabCombo(quint8 keycode, quint16 mask)
{
    const auto it = m_grabCounts.find(comboKey(keycode, mask));
    if (it == m_grabCounts.end() || --*it > 0)
        return;
    m_grabCounts.erase(it);
    ungrabOnServer(m_connection, m_roots, keycode, mask, m_keymap->lockVariants());
}

bool X11HotKeyService::setEventHandler(EventHandler handler)
{
    if (!m_connection)
        return false;
    m_handler = std::move(handler);
    return bool(m_handler);
}

void X11HotKeyService::setHotKeyEventsEnabled(bool enabled)
{
    m_hotKeyEvents = enabled;
}

void X11HotKeyService::setRawKeyEventsEnabled(bool enabled)
{
    m_rawKeyEvents = enabled;
    // Once the menu lets the keyboard go, the release of a key pressed in it goes to whichever window
    // has the focus, not to us: watch the keyboard until the key is up.
    if (!enabled && !m_rawDown.isEmpty() && !m_releasePoll->isActive())
        m_releasePoll->start();
}

void X11HotKeyService::pollReleasedKeys()
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
        const quint32 modifiers = m_rawDown.take(keycode);
        if (const std::optional<int> keyCode = m_keymap->keyCodeForKeycode(keycode))
            deliver({HotKeyEvent::Kind::rawKeyUp, 0, 0, quint32(*keyCode), modifiers, false});
    }
    if (m_rawDown.isEmpty() || m_rawKeyEvents)
        m_releasePoll->stop();
}

bool X11HotKeyService::isTakenByAnotherClient(quint32 keyCode, quint32 modifiers)
{
    if (!m_connection)
        return false;
    // Probe from a connection of our own: a grab succeeds for the client that already holds it.
    if (!m_probeConnection) {
        m_probeConnection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_probeConnection)) {
            xcb_disconnect(std::exchange(m_probeConnection, nullptr));
            return false;
        }
    }
    const quint16 mask = X11Keymap::modifierMask(modifiers);
    const QList<quint32> roots = rootWindows(m_probeConnection);
    const QList<quint16> variants = m_keymap->lockVariants();
    for (quint8 keycode : m_keymap->keycodesForKeyCode(int(keyCode))) {
        if (m_grabCounts.contains(comboKey(keycode, mask)))
            continue; // ours
        if (!grabOnServer(m_probeConnection, roots, keycode, mask, variants))
            return true;
        ungrabOnServer(m_probeConnection, roots, keycode, mask, variants);
    }
    return false;
}

bool X11HotKeyService::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const quint8 type = event->response_type & 0x7f;
    const bool synthetic = event->response_type & 0x80;
    if ((type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE) && !synthetic) {
        const auto *key = reinterpret_cast<const xcb_key_press_event_t *>(event);
        return handleKeyEvent(type == XCB_KEY_PRESS, key->detail, key->state, key->event, key->time);
    }
    if (type == XCB_MAPPING_NOTIFY) {
        const auto *mapping = reinterpret_cast<const xcb_mapping_notify_event_t *>(event);
        if (mapping->request != XCB_MAPPING_POINTER)
            scheduleRegrab();
    } else if (m_xkbFirstEvent && type == m_xkbFirstEvent) {
        const quint8 xkbType = reinterpret_cast<const xcb_xkb_map_notify_event_t *>(event)->xkbType;
        if (xkbType == XCB_XKB_MAP_NOTIFY || xkbType == XCB_XKB_NEW_KEYBOARD_NOTIFY)
            scheduleRegrab();
    }
    return false;
}

bool X11HotKeyService::handleKeyEvent(bool press, quint8 keycode, quint16 state, quint32 window, quint32 time)
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
        const quint16 cleanState = state & keyModifierBits & ~(XCB_MOD_MASK_LOCK | m_keymap->numLockMask());
        QList<HotKeyRef> matched;
        for (const Registration &registration : std::as_const(m_registrations)) {
            if (registration.mask == cleanState && registration.keycodes.contains(keycode))
                matched.append({registration.signature, registration.id});
        }
        if (!matched.isEmpty()) {
            if (isRepeat)
                return true;
            m_pressedHotKeys.insert(keycode, matched);
            for (const HotKeyRef &ref : matched)
                deliver({HotKeyEvent::Kind::hotKeyPressed, ref.signature, ref.id, 0, 0, false});
            return true;
        }
    }
    // The release belongs to whatever fired on the press, even if the modifiers went up first.
    if (!press) {
        if (const QList<HotKeyRef> fired = m_pressedHotKeys.take(keycode); !fired.isEmpty()) {
            for (const HotKeyRef &ref : fired)
                deliver({HotKeyEvent::Kind::hotKeyReleased, ref.signature, ref.id, 0, 0, false});
            return true;
        }
    }
    const std::optional<int> keyCode = m_keymap->keyCodeForKeycode(keycode);
    if (!press) {
        // A key-up whose modifiers went up first still belongs to its key-down.
        if (const auto down = m_rawDown.constFind(keycode); down != m_rawDown.cend()) {
            const quint32 modifiers = *down;
            m_rawDown.erase(down);
            if (keyCode)
                deliver({HotKeyEvent::Kind::rawKeyUp, 0, 0, quint32(*keyCode), modifiers, false});
            return true;
        }
    }
    if (!m_rawKeyEvents || !keyCode)
        return false;
    const quint32 modifiers = X11Keymap::hotKeyModifiers(state);
    const bool handled = deliver({press ? HotKeyEvent::Kind::rawKeyDown : HotKeyEvent::Kind::rawKeyUp, 0, 0,
                                  quint32(*keyCode), modifiers, press && isRepeat});
    if (press && handled)
        m_rawDown.insert(keycode, modifiers);
    return handled;
}

bool X11HotKeyService::deliver(const HotKeyEvent &event)
{
    // A copy: the handler may replace itself.
    const EventHandler handler = m_handler;
    return handler && handler(event);
}

void X11HotKeyService::scheduleRegrab()
{
    if (m_regrabScheduled)
        return;
    m_regrabScheduled = true;
    QTimer::singleShot(0, this, &X11HotKeyService::regrabAll);
}

void X11HotKeyService::regrabAll()
{
    m_regrabScheduled = false;
    // Ungrab with the old map's lock variants, then grab the keys where the new map puts them.
    for (Registration &registration : m_registrations)
        releaseKeycodes(registration);
    m_keymap->refresh();
    for (Registration &registration : m_registrations) {
        if (!grabKeycodes(registration))
            qCWarning(lcHotKey) << "After a keyboard change, key" << registration.keyCode << "cannot be grabbed";
    }
}
