#pragma once

#include "keys/key.h"
#include "keys/keymodifiers.h"

#include <QtGlobal>
#include <functional>
#include <optional>

// Something the hot-key service reports.
struct HotKeyEvent {
    enum class Kind {
        rawKeyDown = 1,     // a key press that reached the application (only while raw events are on)
        rawKeyUp = 3,
        hotKeyPressed = 5,  // a registered hot key, identified by signature and id
        hotKeyReleased = 6,
    };
    Kind kind = Kind::hotKeyPressed;
    quint32 signature = 0;
    quint32 id = 0;
    Key key;
    KeyModifiers modifiers;
    bool isRepeat = false; // raw key-downs produced by auto-repeat
};

// System-wide hot keys: the keys fire whichever application is in front.
class HotKeyService {
public:
    using Handle = quint64;
    // Answers whether the event was handled.
    using EventHandler = std::function<bool(const HotKeyEvent &)>;

    virtual ~HotKeyService() = default;

    // Asks the system for the key; none when it refuses (for example because another client holds it).
    virtual std::optional<Handle> registerHotKey(Key key, KeyModifiers modifiers, quint32 signature, quint32 id) = 0;
    virtual void unregisterHotKey(Handle handle) = 0;

    // The one receiver of events; an empty handler removes it. Answers whether it is installed.
    virtual bool setEventHandler(EventHandler handler) = 0;
    // Hot-key pressed/released events, and raw key events of the application's own windows (used
    // while a menu holds the keyboard and hot keys cannot fire). Both start off.
    virtual void setHotKeyEventsEnabled(bool enabled) = 0;
    virtual void setRawKeyEventsEnabled(bool enabled) = 0;

    // Whether another program already holds the key, so registering it would fail.
    virtual bool isTakenByAnotherClient(Key key, KeyModifiers modifiers) = 0;
};
