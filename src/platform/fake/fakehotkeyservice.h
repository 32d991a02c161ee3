#pragma once

#include "platform/hotkeyservice.h"

#include <QList>
#include <QMap>
#include <QSet>

// A scriptable hot-key service for tests: records registrations, refuses keys marked as taken, and
// delivers key presses the way the system would (hot-key events for registered keys while those are
// on, raw key events while those are on).
class FakeHotKeyService final : public HotKeyService {
public:
    struct Registration {
        Key key;
        KeyModifiers modifiers;
        quint32 signature;
        quint32 id;
    };

    std::optional<Handle> registerHotKey(Key key, KeyModifiers modifiers, quint32 signature, quint32 id) override;
    void unregisterHotKey(Handle handle) override;
    bool setEventHandler(EventHandler handler) override;
    void setHotKeyEventsEnabled(bool enabled) override { m_hotKeyEvents = enabled; }
    void setRawKeyEventsEnabled(bool enabled) override { m_rawKeyEvents = enabled; }
    bool isTakenByAnotherClient(Key key, KeyModifiers modifiers) override;

    // Another program holds the key: registering it fails.
    void setTaken(Key key, KeyModifiers modifiers, bool taken = true);

    // The user presses or releases a key. Answers whether the app handled it.
    bool press(Key key, KeyModifiers modifiers);
    bool release(Key key, KeyModifiers modifiers);
    bool rawKey(bool down, Key key, KeyModifiers modifiers, bool isRepeat = false);

    QList<Registration> registrations() const { return m_registrations.values(); }
    bool isRegistered(Key key, KeyModifiers modifiers) const;
    int registerCalls() const { return m_registerCalls; }
    bool hotKeyEventsEnabled() const { return m_hotKeyEvents; }
    bool rawKeyEventsEnabled() const { return m_rawKeyEvents; }

private:
    bool deliverHotKey(HotKeyEvent::Kind kind, Key key, KeyModifiers modifiers);

    QMap<Handle, Registration> m_registrations;
    QSet<std::pair<Key, KeyModifiers>> m_taken;
    EventHandler m_handler;
    Handle m_nextHandle = 1;
    int m_registerCalls = 0;
    bool m_hotKeyEvents = false;
    bool m_rawKeyEvents = false;
};
