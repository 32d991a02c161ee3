#pragma once

#include "platform/keyboard.h"

#include <chrono>
#include <functional>

// Records every key event posted; modifier keys can be held for a while; copy and paste are
// Ctrl+C and Ctrl+V as on Linux, with Shift added in an app set to be a terminal.
class FakeKeyboard final : public Keyboard {
public:
    void post(const QList<KeyEvent> &events) override;
    KeyModifiers heldModifiers() override;
    KeyChord copyChord(const std::optional<RunningApp> &app) const override;
    KeyChord pasteChord(const std::optional<RunningApp> &app) const override;

    // The user holds these modifiers until `duration` has passed (on the monotonic clock).
    void holdModifiers(KeyModifiers modifiers, std::chrono::milliseconds duration);
    void setTerminal(const QString &appId) { m_terminal = appId; }
    // Called for every posted event, after it was recorded.
    void setListener(std::function<void(const KeyEvent &)> listener) { m_listener = std::move(listener); }

    const QList<KeyEvent> &events() const { return m_events; }
    // How many times each whole sequence was posted, and how often the modifiers were read.
    const QList<QList<KeyEvent>> &posts() const { return m_posts; }
    const QList<std::chrono::steady_clock::time_point> &postTimes() const { return m_postTimes; }
    int modifierReads() const { return m_modifierReads; }

private:
    QList<KeyEvent> m_events;
    QList<QList<KeyEvent>> m_posts;
    QList<std::chrono::steady_clock::time_point> m_postTimes;
    std::function<void(const KeyEvent &)> m_listener;
    KeyModifiers m_held;
    std::chrono::steady_clock::time_point m_heldUntil;
    int m_modifierReads = 0;
    QString m_terminal;
};
