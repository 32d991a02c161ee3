#pragma once

#include "platform/hotkeyservice.h"

#include <QHash>
#include <QObject>
#include <memory>

class ShortcutBinder;

// Global hot keys on Wayland, bound by the compositor for Ringle (sway's IPC, the GlobalShortcuts
// portal); without a binder every registration is refused and the wheel opens from
// `ringle wheel press` instead. Raw key events come from Ringle's own windows.
class WaylandHotKeyService final : public QObject, public HotKeyService {
    Q_OBJECT
public:
    // `binder` may be null.
    explicit WaylandHotKeyService(std::unique_ptr<ShortcutBinder> binder, QObject *parent = nullptr);
    ~WaylandHotKeyService() override;

    bool canBind() const { return m_binder != nullptr; }

    std::optional<Handle> registerHotKey(Key key, KeyModifiers modifiers, quint32 signature, quint32 id) override;
    void unregisterHotKey(Handle handle) override;
    bool setEventHandler(EventHandler handler) override;
    void setHotKeyEventsEnabled(bool enabled) override { m_hotKeyEvents = enabled; }
    void setRawKeyEventsEnabled(bool enabled) override;
    bool isTakenByAnotherClient(Key key, KeyModifiers modifiers) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Registration {
        quint32 signature = 0;
        quint32 id = 0;
    };

    void bindingEvent(quint64 handle, bool pressed);

    std::unique_ptr<ShortcutBinder> m_binder;
    QHash<Handle, Registration> m_registrations;
    EventHandler m_handler;
    Handle m_nextHandle = 1;
    bool m_hotKeyEvents = false;
    bool m_rawKeyEvents = false;
};
