#include "platform/fake/fakehotkeyservice.h"

std::optional<HotKeyService::Handle> FakeHotKeyService::registerHotKey(Key key, KeyModifiers modifiers, quint32 signature, quint32 id)
{
    ++m_registerCalls;
    if (m_taken.contains({key, modifiers}))
        return std::nullopt;
    const Handle handle = m_nextHandle++;
    m_registrations.insert(handle, Registration{key, modifiers, signature, id});
    return handle;
}

void FakeHotKeyService::unregisterHotKey(Handle handle)
{
    m_registrations.remove(handle);
}

bool FakeHotKeyService::setEventHandler(EventHandler handler)
{
    m_handler = std::move(handler);
    return bool(m_handler);
}

bool FakeHotKeyService::isTakenByAnotherClient(Key key, KeyModifiers modifiers)
{
    return m_taken.contains({key, modifiers});
}

void FakeHotKeyService::setTaken(Key key, KeyModifiers modifiers, bool taken)
{
    if (taken)
        m_taken.insert({key, modifiers});
    else
        m_taken.remove({key, modifiers});
}

bool FakeHotKeyService::isRegistered(Key key, KeyModifiers modifiers) const
{
    for (const Registration &r : m_registrations) {
        if (r.key == key && r.modifiers == modifiers)
            return true;
    }
    return false;
}

bool FakeHotKeyService::deliverHotKey(HotKeyEvent::Kind kind, Key key, KeyModifiers modifiers)
{
    if (!m_handler || !m_hotKeyEvents)
        return false;
    // Copies: the handler may change the registrations.
    const QList<Registration> registrations = m_registrations.values();
    const EventHandler handler = m_handler;
    bool handled = false;
    for (const Registration &r : registrations) {
        if (r.key != key || r.modifiers != modifiers)
            continue;
        HotKeyEvent event;
        event.kind = kind;
        event.signature = r.signature;
        event.id = r.id;
        handled = handler(event) || handled;
    }
    return handled;
}

bool FakeHotKeyService::press(Key key, KeyModifiers modifiers)
{
    return deliverHotKey(HotKeyEvent::Kind::hotKeyPressed, key, modifiers);
}

bool FakeHotKeyService::release(Key key, KeyModifiers modifiers)
{
    return deliverHotKey(HotKeyEvent::Kind::hotKeyReleased, key, modifiers);
}

bool FakeHotKeyService::rawKey(bool down, Key key, KeyModifiers modifiers, bool isRepeat)
{
    if (!m_handler || !m_rawKeyEvents)
        return false;
    HotKeyEvent event;
    event.kind = down ? HotKeyEvent::Kind::rawKeyDown : HotKeyEvent::Kind::rawKeyUp;
    event.key = key;
    event.modifiers = modifiers;
    event.isRepeat = isRepeat;
    return EventHandler(m_handler)(event);
}
