#include "platform/fake/fakehotkeyservice.h"

std::optional<HotKeyService::Handle> FakeHotKeyService::registerHotKey(quint32 keyCode, quint32 modifiers,
                                                                       quint32 signature, quint32 id)
{
    ++m_registerCalls;
    if (m_taken.contains({keyCode, modifiers}))
        return std::nullopt;
    const Handle handle = m_nextHandle++;
    m_registrations.insert(handle, Registration{keyCode, modifiers, signature, id});
    return handle;
}

void FakeHotKeyService::unregisterHotKey(Handle handle)
{
    ++m_unregisterCalls;
    m_registrations.remove(handle);
}

bool FakeHotKeyService::setEventHandler(EventHandler handler)
{
    if (handler && m_refuseHandler)
        return false;
    m_handler = std::move(handler);
    return bool(m_handler);
}

bool FakeHotKeyService::isTakenByAnotherClient(quint32 keyCode, quint32 modifiers)
{
    return m_taken.contains({keyCode, modifiers});
}

void FakeHotKeyService::setTaken(quint32 keyCode, quint32 modifiers, bool taken)
{
    if (taken)
        m_taken.insert({keyCode, modifiers});
    else
        m_taken.remove({keyCode, modifiers});
}

bool FakeHotKeyService::isRegistered(quint32 keyCode, quint32 modifiers) const
{
    for (const Registration &r : m_registrations) {
        if (r.keyCode == keyCode && r.modifiers == modifiers)
            return true;
    }
    return false;
}

bool FakeHotKeyService::deliverHotKey(HotKeyEvent::Kind kind, quint32 keyCode, quint32 modifiers)
{
    if (!m_handler || !m_hotKeyEvents)
        return false;
    // Copies: the handler may change the registrations.
    const QList<Registration> registrations = m_registrations.values();
    const EventHandler handler = m_handler;
    bool handled = false;
    for (const Registration &r : registrations) {
        if (r.keyCode != keyCode || r.modifiers != modifiers)
            continue;
        HotKeyEvent event;
        event.kind = kind;
        event.signature = r.signature;
        event.id = r.id;
        handled = handler(event) || handled;
    }
    return handled;
}

bool FakeHotKeyService::press(quint32 keyCode, quint32 modifiers)
{
    return deliverHotKey(HotKeyEvent::Kind::hotKeyPressed, keyCode, modifiers);
}

bool FakeHotKeyService::release(quint32 keyCode, quint32 modifiers)
{
    return deliverHotKey(HotKeyEvent::Kind::hotKeyReleased, keyCode, modifiers);
}

bool FakeHotKeyService::rawKey(bool down, quint32 keyCode, quint32 modifiers, bool isRepeat)
{
    if (!m_handler || !m_rawKeyEvents)
        return false;
    HotKeyEvent event;
    event.kind = down ? HotKeyEvent::Kind::rawKeyDown : HotKeyEvent::Kind::rawKeyUp;
    event.keyCode = keyCode;
    event.modifiers = modifiers;
    event.isRepeat = isRepeat;
    return EventHandler(m_handler)(event);
}
