#include "platform/fake/fakekeyboard.h"

void FakeKeyboard::post(const QList<KeyEvent> &events)
{
    m_posts.append(events);
    m_postTimes.append(std::chrono::steady_clock::now());
    for (const KeyEvent &event : events) {
        m_events.append(event);
        if (m_listener)
            m_listener(event);
    }
}

quint64 FakeKeyboard::modifierFlags()
{
    ++m_modifierReads;
    return std::chrono::steady_clock::now() < m_heldUntil ? m_heldFlags : 0;
}

KeyChord FakeKeyboard::copyChord(const std::optional<RunningApp> &) const
{
    return {8, EventFlag::control};
}

KeyChord FakeKeyboard::pasteChord(const std::optional<RunningApp> &) const
{
    return {9, EventFlag::control};
}

void FakeKeyboard::holdModifiers(quint64 flags, std::chrono::milliseconds duration)
{
    m_heldFlags = flags;
    m_heldUntil = std::chrono::steady_clock::now() + duration;
}
