#pragma once

#include "keys/key.h"
#include "keys/keymodifiers.h"

#include <QString>
#include <QtGlobal>
#include <functional>

// The compositor's way of binding a key combination for Ringle and telling it the combination was
// pressed and released (sway's IPC, the GlobalShortcuts portal, ...).
class ShortcutBinder {
public:
    using EventHandler = std::function<void(quint64 id, bool pressed)>;

    virtual ~ShortcutBinder() = default;

    virtual void setEventHandler(EventHandler handler) = 0;
    // Binds the combination under `id`; false when the compositor refuses it.
    virtual bool bind(quint64 id, Key key, KeyModifiers modifiers) = 0;
    virtual void unbind(quint64 id) = 0;
    // Whether the compositor or another program binds the combination already.
    virtual bool isTaken(Key key, KeyModifiers modifiers) = 0;
};
