#pragma once

#include "platform/mousetap.h"

#include <QAbstractNativeEventFilter>
#include <QList>
#include <memory>

struct xcb_connection_t;
class X11Keymap;

// The mouse trigger's events on X11, read from Qt's own connection. The configured button with its
// modifiers is grabbed on the root window (for every Caps Lock and Num Lock state) in synchronous
// mode, so the handler decides for each press whether it is swallowed or replayed to the window
// below; its drags and release belong to the grab. Everything else is never grabbed and passes
// untouched. Scroll capture is an active pointer grab that turns buttons 4 to 7 into scroll input.
class X11MouseTap final : public MouseTap, public QAbstractNativeEventFilter {
public:
    // None when the application does not run on X11.
    static std::unique_ptr<X11MouseTap> create();
    ~X11MouseTap() override;

    void setHandler(Handler handler) override;
    bool watch(const std::optional<Trigger> &trigger) override;
    void setScrollCapture(bool on) override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

    // X button numbers and the trigger's numbers (0 primary, 1 right, 2 middle, 3 and 4 the sides).
    static std::optional<quint8> xButton(qint64 triggerButton);
    static std::optional<qint64> triggerButton(quint8 xButton);

private:
    X11MouseTap(xcb_connection_t *connection, quint32 root);
    bool grab();
    void ungrab();
    bool deliver(const MouseTapEvent &event);

    xcb_connection_t *m_connection;
    quint32 m_root;
    std::unique_ptr<X11Keymap> m_keymap;
    Handler m_handler;
    std::optional<Trigger> m_trigger;
    bool m_grabbed = false;
    quint8 m_grabButton = 0;
    quint16 m_grabModifiers = 0;
    // A press of the grabbed button is held: the passive grab is active.
    bool m_gestureActive = false;
    bool m_scrollCapture = false;
    bool m_pointerGrabbed = false;
};
