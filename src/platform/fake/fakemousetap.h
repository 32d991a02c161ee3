#pragma once

#include "platform/mousetap.h"

#include <QList>

// A mouse tap driven by the test: it records what it was asked to watch, can refuse to watch, and
// hands events to the handler.
class FakeMouseTap final : public MouseTap {
public:
    void setHandler(Handler handler) override { m_handler = std::move(handler); }
    bool watch(const std::optional<Trigger> &trigger) override
    {
        m_watchCalls.append(trigger);
        if (m_refusals > 0) {
            --m_refusals;
            return false;
        }
        m_watched = trigger;
        return true;
    }
    void setScrollCapture(bool on) override { m_scrollCapture = on; }

    // The next `count` calls to watch fail.
    void refuseWatching(int count) { m_refusals = count; }
    // The handler's answer: true when the event was swallowed. Without a handler it passes.
    bool send(const MouseTapEvent &event) { return m_handler ? m_handler(event) : false; }

    const QList<std::optional<Trigger>> &watchCalls() const { return m_watchCalls; }
    const std::optional<Trigger> &watched() const { return m_watched; }
    bool scrollCapture() const { return m_scrollCapture; }

private:
    Handler m_handler;
    QList<std::optional<Trigger>> m_watchCalls;
    std::optional<Trigger> m_watched;
    bool m_scrollCapture = false;
    int m_refusals = 0;
};
