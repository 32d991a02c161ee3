#include "platform/x11/x11mousetap.h"

#include "platform/x11/qtxcbconnection.h"
#include "platform/x11/x11keymap.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <xcb/xcb.h>

#include <cstdlib>

Q_LOGGING_CATEGORY(lcMouseTap, "ringle.x11.mousetap")

namespace {
constexpr quint16 pointerEvents = XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE
                                  | XCB_EVENT_MASK_POINTER_MOTION;

// Scroll buttons: up and down move the vertical axis, left and right (6, 7) only the other one.
std::optional<ScrollInput> scrollInput(quint8 button)
{
    switch (button) {
    case 4:
        return ScrollInput{1, 10, false, false};
    case 5:
        return ScrollInput{-1, -10, false, false};
    case 6:
    case 7:
        return ScrollInput{0, 0, false, false};
    default:
        return std::nullopt;
    }
}

qint64 buttonFromState(quint16 state)
{
    if (state & XCB_BUTTON_MASK_3)
        return 1;
    if (state & XCB_BUTTON_MASK_2)
        return 2;
    return 0;
}
} // namespace

std::unique_ptr<X11MouseTap> X11MouseTap::create()
{
    xcb_connection_t *connection = qtXcbConnection();
    if (!connection)
        return nullptr;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return nullptr;
    std::unique_ptr<X11MouseTap> tap(new X11MouseTap(connection, screen->root));
    QCoreApplication::instance()->installNativeEventFilter(tap.get());
    return tap;
}

X11MouseTap::X11MouseTap(xcb_connection_t *connection, quint32 root)
    : m_connection(connection)
    , m_root(root)
    , m_keymap(std::make_unique<X11Keymap>(connection))
{
}

X11MouseTap::~X11MouseTap()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
    ungrab();
    setScrollCapture(false);
    xcb_flush(m_connection);
}

std::optional<quint8> X11MouseTap::xButton(qint64 triggerButton)
{
    switch (triggerButton) {
    case 0:
        return 1;
    case 1:
        return 3;
    case 2:
        return 2;
    case 3:
        return 8;
    case 4:
        return 9;
    default:
        return std::nullopt;
    }
}

std::optional<qint64> X11MouseTap::triggerButton(quint8 xButton)
{
    switch (xButton) {
    case 1:
        return 0;
    case 2:
        return 2;
    case 3:
        return 1;
    case 8:
        return 3;
    case 9:
        return 4;
    default:
        return std::nullopt;
    }
}

void X11MouseTap::setHandler(Handler handler)
{
    m_handler = std::move(handler);
}

bool X11MouseTap::watch(const std::optional<Trigger> &trigger)
{
    ungrab();
    m_trigger = trigger;
    if (!trigger)
        return true;
    return grab();
}

bool X11MouseTap::grab()
{
    const std::optional<quint8> button = xButton(m_trigger->button);
    if (!button)
        return true; // a button this desktop does not have: nothing to watch
    m_grabButton = *button;
    m_grabModifiers = X11Keymap::modifierMask(m_trigger->modifiers);
    QList<xcb_void_cookie_t> cookies;
    const QList<quint16> variants = m_keymap->lockVariants();
    for (const quint16 variant : variants) {
        // Synchronous pointer: the press waits until we say whether it is ours or goes on below.
        cookies.append(xcb_grab_button_checked(m_connection, 0, m_root, pointerEvents, XCB_GRAB_MODE_SYNC,
                                               XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, m_grabButton,
                                               quint16(m_grabModifiers | variant)));
    }
    bool failed = false;
    for (const xcb_void_cookie_t &cookie : cookies) {
        if (xcb_generic_error_t *error = xcb_request_check(m_connection, cookie)) {
            failed = true;
            std::free(error);
        }
    }
    m_grabbed = true;
    if (failed) {
        // Another client holds the same grab: release ours so the next try starts clean.
        qCDebug(lcMouseTap) << "button" << m_grabButton << "with modifiers" << m_grabModifiers
                            << "is grabbed by another client";
        ungrab();
        return false;
    }
    qCDebug(lcMouseTap).nospace() << "holds button " << int(m_grabButton) << " with modifiers " << int(m_grabModifiers);
    return true;
}

void X11MouseTap::ungrab()
{
    if (!m_grabbed)
        return;
    for (const quint16 variant : m_keymap->lockVariants())
        xcb_ungrab_button(m_connection, m_grabButton, m_root, quint16(m_grabModifiers | variant));
    xcb_flush(m_connection);
    m_grabbed = false;
}

void X11MouseTap::setScrollCapture(bool on)
{
    m_scrollCapture = on;
    if (on && !m_pointerGrabbed) {
        xcb_grab_pointer_reply_t *reply = xcb_grab_pointer_reply(
            m_connection,
            xcb_grab_pointer(m_connection, 0, m_root, pointerEvents, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC,
                             XCB_NONE, XCB_NONE, XCB_CURRENT_TIME),
            nullptr);
        m_pointerGrabbed = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
        if (!m_pointerGrabbed)
            qCDebug(lcMouseTap) << "the pointer is grabbed by another client; scrolling reaches the window below";
        std::free(reply);
    } else if (!on && m_pointerGrabbed) {
        xcb_ungrab_pointer(m_connection, XCB_CURRENT_TIME);
        xcb_flush(m_connection);
        m_pointerGrabbed = false;
        // Releasing the active grab also ends a passive one that it had taken over.
        m_gestureActive = false;
    }
}

bool X11MouseTap::deliver(const MouseTapEvent &event)
{
    return m_handler ? m_handler(event) : false;
}

bool X11MouseTap::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *generic = static_cast<const xcb_generic_event_t *>(message);
    switch (generic->response_type & ~0x80) {
    case XCB_BUTTON_PRESS: {
        const auto *press = reinterpret_cast<const xcb_button_press_event_t *>(generic);
        if (press->event != m_root)
            return false;
        MouseTapEvent event;
        event.modifiers = X11Keymap::modifiers(press->state);
        event.location = QPointF(press->root_x, press->root_y);
        if (const std::optional<ScrollInput> scroll = scrollInput(press->detail)) {
            event.type = MouseTapEvent::Type::scrollWheel;
            event.scroll = scroll;
            deliver(event);
            return true;
        }
        const std::optional<qint64> button = triggerButton(press->detail);
        event.type = button ? MouseTapEvent::Type::buttonDown : MouseTapEvent::Type::other;
        event.button = button.value_or(press->detail);
        // Only a press that started our passive grab has frozen the pointer.
        const bool frozen = !m_pointerGrabbed && !m_gestureActive && m_grabbed && press->detail == m_grabButton;
        const bool swallow = deliver(event);
        if (frozen) {
            m_gestureActive = swallow;
            xcb_allow_events(m_connection, swallow ? XCB_ALLOW_ASYNC_POINTER : XCB_ALLOW_REPLAY_POINTER,
                             press->time);
            xcb_flush(m_connection);
        }
        return true;
    }
    case XCB_BUTTON_RELEASE: {
        const auto *release = reinterpret_cast<const xcb_button_release_event_t *>(generic);
        if (release->event != m_root)
            return false;
        if (scrollInput(release->detail))
            return true;
        MouseTapEvent event;
        const std::optional<qint64> button = triggerButton(release->detail);
        event.type = button ? MouseTapEvent::Type::buttonUp : MouseTapEvent::Type::other;
        event.button = button.value_or(release->detail);
        event.modifiers = X11Keymap::modifiers(release->state);
        event.location = QPointF(release->root_x, release->root_y);
        if (release->detail == m_grabButton)
            m_gestureActive = false;
        deliver(event);
        return true;
    }
    case XCB_MOTION_NOTIFY: {
        const auto *motion = reinterpret_cast<const xcb_motion_notify_event_t *>(generic);
        if (motion->event != m_root)
            return false;
        MouseTapEvent event;
        event.type = MouseTapEvent::Type::buttonDragged;
        // Side buttons have no state bit; during our gesture the grabbed button is the one held.
        event.button = m_gestureActive ? triggerButton(m_grabButton).value_or(0) : buttonFromState(motion->state);
        event.modifiers = X11Keymap::modifiers(motion->state);
        event.location = QPointF(motion->root_x, motion->root_y);
        deliver(event);
        return true;
    }
    case XCB_MAPPING_NOTIFY: {
        const auto *mapping = reinterpret_cast<const xcb_mapping_notify_event_t *>(generic);
        if (mapping->request == XCB_MAPPING_MODIFIER) {
            // Num Lock may have moved to another modifier bit: grab its variants anew.
            const bool wasGrabbed = m_grabbed;
            ungrab();
            m_keymap->refresh();
            if (wasGrabbed && m_trigger && !grab())
                qCDebug(lcMouseTap) << "grabbing again after a keyboard mapping change failed";
        }
        return false;
    }
    default:
        return false;
    }
}
