#include "platform/wayland/waylandhotkeyservice.h"

#include "platform/linux/mackeycodes.h"
#include "platform/wayland/shortcutbinder.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

WaylandHotKeyService::WaylandHotKeyService(std::unique_ptr<ShortcutBinder> binder, QObject *parent)
    : QObject(parent)
    , m_binder(std::move(binder))
{
    if (m_binder)
        m_binder->setEventHandler([this](quint64 handle, bool pressed) { bindingEvent(handle, pressed); });
}

WaylandHotKeyService::~WaylandHotKeyService()
{
    if (m_rawKeyEvents)
        QCoreApplication::instance()->removeEventFilter(this);
    if (m_binder) {
        for (auto it = m_registrations.cbegin(); it != m_registrations.cend(); ++it)
            m_binder->unbind(it.key());
    }
}

std::optional<HotKeyService::Handle> WaylandHotKeyService::registerHotKey(Key key, KeyModifiers modifiers,
                                                                          quint32 signature, quint32 id)
{
    if (!m_binder)
        return std::nullopt;
    const Handle handle = m_nextHandle++;
    if (!m_binder->bind(handle, key, modifiers))
        return std::nullopt;
    m_registrations.insert(handle, {signature, id});
    return handle;
}

void WaylandHotKeyService::unregisterHotKey(Handle handle)
{
    if (m_registrations.remove(handle) && m_binder)
        m_binder->unbind(handle);
}

bool WaylandHotKeyService::setEventHandler(EventHandler handler)
{
    m_handler = std::move(handler);
    return true;
}

void WaylandHotKeyService::bindingEvent(quint64 handle, bool pressed)
{
    const auto it = m_registrations.constFind(handle);
    if (it == m_registrations.cend() || !m_hotKeyEvents || !m_handler)
        return;
    HotKeyEvent event;
    event.kind = pressed ? HotKeyEvent::Kind::hotKeyPressed : HotKeyEvent::Kind::hotKeyReleased;
    event.signature = it->signature;
    event.id = it->id;
    m_handler(event);
}

void WaylandHotKeyService::setRawKeyEventsEnabled(bool enabled)
{
    if (enabled == m_rawKeyEvents)
        return;
    m_rawKeyEvents = enabled;
    if (enabled)
        QCoreApplication::instance()->installEventFilter(this);
    else
        QCoreApplication::instance()->removeEventFilter(this);
}

bool WaylandHotKeyService::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    // A key reaches a window first and its widgets after: the window's copy is the one counted.
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWindowType() || !m_handler)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const std::optional<Key> pressed = MacKeyCodes::keyForKeysym(key->nativeVirtualKey());
    if (!pressed)
        return false;
    HotKeyEvent raw;
    raw.kind = type == QEvent::KeyPress ? HotKeyEvent::Kind::rawKeyDown : HotKeyEvent::Kind::rawKeyUp;
    raw.key = *pressed;
    raw.modifiers = KeyModifiers::fromQt(key->modifiers());
    raw.isRepeat = key->isAutoRepeat();
    return m_handler(raw);
}

bool WaylandHotKeyService::isTakenByAnotherClient(Key key, KeyModifiers modifiers)
{
    return m_binder && m_binder->isTaken(key, modifiers);
}
