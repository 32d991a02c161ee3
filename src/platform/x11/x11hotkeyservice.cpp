#include "platform/x11/x11hotkeyservice.h"

#include "platform/x11/qtxcbconnection.h"
#include "platform/x11/x11keygrabber.h"
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

X11HotKeyService::X11HotKeyService(QObject *parent)
    : QObject(parent)
    , m_connection(qtXcbConnection())
{
    if (!m_connection) {
        qCWarning(lcHotKey) << "Not running on X11: global shortcuts are unavailable";
        return;
    }
    m_keymap = std::make_unique<X11Keymap>(m_connection);
    m_grabber = std::make_unique<X11KeyGrabber>(m_connection, *m_keymap);
    m_tracker = std::make_unique<X11KeyPressTracker>(m_connection, *m_keymap, m_grabber->roots(),
                                                     [this](quint8 keycode, quint16 mask) { return registered(keycode, mask); });
    enableDetectableAutoRepeat();
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11HotKeyService::~X11HotKeyService()
{
    if (!m_connection)
        return;
    QCoreApplication::instance()->removeNativeEventFilter(this);
    for (Registration &registration : m_registrations)
        release(registration);
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

    if (xcb_xkb_get_controls_reply_t *controls = xcb_xkb_get_controls_reply(
            m_connection, xcb_xkb_get_controls(m_connection, XCB_XKB_ID_USE_CORE_KBD), nullptr)) {
        m_tracker->setRepeatWindow(std::max<quint32>(controls->repeatDelay, controls->repeatInterval) + 200);
        std::free(controls);
    }
}

std::optional<HotKeyService::Handle> X11HotKeyService::registerHotKey(Key key, KeyModifiers modifiers,
                                                                      quint32 signature, quint32 id)
{
    if (!m_connection)
        return std::nullopt;
    Registration registration{key, signature, id, X11Keymap::modifierMask(modifiers), {}};
    if (!grab(registration)) {
        qCDebug(lcHotKey) << "Cannot grab key" << key.code << "with modifiers" << Qt::hex << registration.mask;
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
    release(*it);
    m_registrations.erase(it);
}

bool X11HotKeyService::grab(Registration &registration)
{
    const std::optional<QList<quint8>> keycodes = m_grabber->grab(registration.key, registration.mask);
    registration.keycodes = keycodes.value_or(QList<quint8>{});
    return keycodes.has_value();
}

void X11HotKeyService::release(Registration &registration)
{
    m_grabber->release(std::exchange(registration.keycodes, {}), registration.mask);
}

QList<X11KeyPressTracker::HotKeyRef> X11HotKeyService::registered(quint8 keycode, quint16 mask) const
{
    QList<X11KeyPressTracker::HotKeyRef> matched;
    for (const Registration &registration : m_registrations) {
        if (registration.mask == mask && registration.keycodes.contains(keycode))
            matched.append({registration.signature, registration.id});
    }
    return matched;
}

bool X11HotKeyService::setEventHandler(EventHandler handler)
{
    return m_tracker && m_tracker->setEventHandler(std::move(handler));
}

void X11HotKeyService::setHotKeyEventsEnabled(bool enabled)
{
    if (m_tracker)
        m_tracker->setHotKeyEventsEnabled(enabled);
}

void X11HotKeyService::setRawKeyEventsEnabled(bool enabled)
{
    if (m_tracker)
        m_tracker->setRawKeyEventsEnabled(enabled);
}

bool X11HotKeyService::isTakenByAnotherClient(Key key, KeyModifiers modifiers)
{
    return m_grabber && m_grabber->isTakenByAnotherClient(key, X11Keymap::modifierMask(modifiers));
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
        return m_tracker->handleKeyEvent(type == XCB_KEY_PRESS, key->detail, key->state, key->event, key->time);
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
        release(registration);
    m_keymap->refresh();
    for (Registration &registration : m_registrations) {
        if (!grab(registration))
            qCWarning(lcHotKey) << "After a keyboard change, key" << registration.key.code << "cannot be grabbed";
    }
}
