#pragma once

#include "platform/hotkeyservice.h"

#include <QAbstractNativeEventFilter>
#include <QHash>
#include <QList>
#include <QObject>
#include <memory>

struct xcb_connection_t;
class QTimer;
class X11Keymap;

// Global hot keys on X11: passive key grabs on the root window (one per lock-key variant, every
// request checked, so a key another client holds fails to register), events read from Qt's own
// connection with detectable auto-repeat on (a held key shows as repeated presses and one release),
// and grabs renewed when the keyboard map changes.
class X11HotKeyService final : public QObject, public HotKeyService, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // Needs a QGuiApplication on the xcb platform; otherwise every registration fails.
    explicit X11HotKeyService(QObject *parent = nullptr);
    ~X11HotKeyService() override;

    bool isAvailable() const { return m_connection != nullptr; }

    std::optional<Handle> registerHotKey(quint32 keyCode, quint32 modifiers, quint32 signature, quint32 id) override;
    void unregisterHotKey(Handle handle) override;
    bool setEventHandler(EventHandler handler) override;
    void setHotKeyEventsEnabled(bool enabled) override;
    void setRawKeyEventsEnabled(bool enabled) override;
    bool isTakenByAnotherClient(quint32 keyCode, quint32 modifiers) override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    struct Registration {
        quint32 keyCode;
        quint32 modifiers;
        quint32 signature;
        quint32 id;
        quint16 mask = 0;
        QList<quint8> keycodes; // grabbed; empty when the keyboard has no such key
    };
    struct HotKeyRef {
        quint32 signature;
        quint32 id;
    };

    void enableDetectableAutoRepeat();
    bool grabKeycodes(Registration &registration);
    void releaseKeycodes(Registration &registration);
    bool grabCombo(quint8 keycode, quint16 mask);
    void ungrabCombo(quint8 keycode, quint16 mask);
    bool handleKeyEvent(bool press, quint8 keycode, quint16 state, quint32 window, quint32 time);
    bool deliver(const HotKeyEvent &event);
    void scheduleRegrab();
    void regrabAll();
    void pollReleasedKeys();

    xcb_connection_t *m_connection = nullptr;
    xcb_connection_t *m_probeConnection = nullptr;
    QList<quint32> m_roots;
    std::unique_ptr<X11Keymap> m_keymap;
    QHash<Handle, Registration> m_registrations;
    QHash<quint32, int> m_grabCounts; // (keycode << 16 | mask) → registrations sharing the grab
    QHash<quint8, QList<HotKeyRef>> m_pressedHotKeys;
    QHash<quint8, quint32> m_lastPressTime; // keys seen going down and not yet up
    // Raw presses the handler took, with their modifiers: their release is reported with the same
    // modifiers, even when it comes after the raw events were turned off.
    QHash<quint8, quint32> m_rawDown;
    QTimer *m_releasePoll = nullptr;
    quint32 m_repeatWindowMs = 1000;
    quint8 m_xkbFirstEvent = 0;
    EventHandler m_handler;
    Handle m_nextHandle = 1;
    bool m_hotKeyEvents = false;
    bool m_rawKeyEvents = false;
    bool m_regrabScheduled = false;
};
