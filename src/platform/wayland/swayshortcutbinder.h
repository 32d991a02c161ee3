#pragma once

#include "platform/wayland/shortcutbinder.h"

#include <QHash>
#include <QObject>

class SwayBindings;
class SwayIpc;
class WaylandSeat;

// Shortcuts bound in sway at run time, by key code in the user's keymap (so they follow the key,
// as grabs on X11 do); a combination sway's own configuration binds is taken.
class SwayShortcutBinder final : public QObject, public ShortcutBinder {
    Q_OBJECT
public:
    SwayShortcutBinder(SwayIpc &sway, SwayBindings &bindings, WaylandSeat &seat, QObject *parent = nullptr);

    void setEventHandler(EventHandler handler) override { m_handler = std::move(handler); }
    bool bind(quint64 id, Key key, KeyModifiers modifiers) override;
    void unbind(quint64 id) override;
    bool isTaken(Key key, KeyModifiers modifiers) override;

private:
    static QString tagFor(quint64 id);

    SwayIpc &m_sway;
    SwayBindings &m_bindings;
    WaylandSeat &m_seat;
    EventHandler m_handler;
};
