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

namespace {
KeyModifiers shortcutModifiers(const std::optional<RunningApp> &app, const QString &terminal)
{
    const bool inTerminal = app && !terminal.isEmpty() && app->appId == terminal;
    return inTerminal ? KeyModifiers::control | KeyModifiers::shift : KeyModifiers::control;
}
} // namespace

KeyChord FakeKeyboard::copyChord(const std::optional<RunningApp> &app) const
{
    return {Key::c, shortcutModifiers(app, m_terminal)};
}

KeyChord FakeKeyboard::pasteChord(const std::optional<RunningApp> &app) const
{
    return {Key::v, shortcutModifiers(app, m_terminal)};
}

void FakeKeyboard::holdModifiers(KeyModifiers modifiers, std::chrono::milliseconds duration)
{
    m_held = modifiers;
    m_heldUntil = std::chrono::steady_clock::now() + duration;
}
