#pragma once

#include "platform/hotkeyservice.h"
#include "platform/x11/x11keypresstracker.h"

#include <QAbstractNativeEventFilter>
#include <QHash>
#include <QList>
#include <QObject>
#include <memory>

struct xcb_connection_t;
class X11KeyGrabber;
class X11Keymap;

// Global hot keys on X11: key grabs on the root windows, key events read from Qt's own connection with
// detectable auto-repeat on, and grabs renewed when the keyboard map changes.
class X11HotKeyService final : public QObject, public HotKeyService, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // Needs a QGuiApplication on the xcb platform; otherwise every registration fails.
    explicit X11HotKeyService(QObject *parent = nullptr);
    ~X11HotKeyService() override;

    bool isAvailable() const { return m_connection != nullptr; }

    std::optional<Handle> registerHotKey(Key key, KeyModifiers modifiers, quint32 signature, quint32 id) override;
    void unregisterHotKey(Handle handle) override;
    bool setEventHandler(EventHandler handler) override;
    void setHotKeyEventsEnabled(bool enabled) override;
    void setRawKeyEventsEnabled(bool enabled) override;
    bool isTakenByAnotherClient(Key key, KeyModifiers modifiers) override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    struct Registration {
        Key key;
        quint32 signature;
        quint32 id;
        quint16 mask = 0;
        QList<quint8> keycodes; // grabbed; empty when the keyboard has no such key
    };

    void enableDetectableAutoRepeat();
    bool grab(Registration &registration);
    void release(Registration &registration);
    QList<X11KeyPressTracker::HotKeyRef> registered(quint8 keycode, quint16 mask) const;
    void scheduleRegrab();
    void regrabAll();

    xcb_connection_t *m_connection = nullptr;
    std::unique_ptr<X11Keymap> m_keymap;
    std::unique_ptr<X11KeyGrabber> m_grabber;
    std::unique_ptr<X11KeyPressTracker> m_tracker;
    QHash<Handle, Registration> m_registrations;
    quint8 m_xkbFirstEvent = 0;
    Handle m_nextHandle = 1;
    bool m_regrabScheduled = false;
};
