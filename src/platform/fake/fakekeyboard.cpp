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

KeyModifiers FakeKeyboard::heldModifiers()
{
    ++m_modifierReads;
    return std::chrono::steady_clock::now() < m_heldUntil ? m_held : KeyModifiers();
}

KeyChord FakeKeyboard::copyChord(const std::optional<RunningApp> &) const
{
    return {Key::c, KeyModifiers::control};
}

KeyChord FakeKeyboard::pasteChord(const std::optional<RunningApp> &) const
{
    return {Key::v, KeyModifiers::control};
}

void FakeKeyboard::holdModifiers(KeyModifiers modifiers, std::chrono::milliseconds duration)
{
    m_held = modifiers;
    m_heldUntil = std::chrono::steady_clock::now() + duration;
}
