#pragma once

#include "platform/globalinputmonitor.h"

// Presses made up by the test.
class FakeGlobalInputMonitor final : public GlobalInputMonitor {
public:
    bool start(Handler handler) override
    {
        ++m_starts;
        m_handler = std::move(handler);
        return true;
    }
    void stop() override { m_handler = nullptr; }
    bool isActive() const override { return bool(m_handler); }

    // A press elsewhere; nothing happens unless started.
    void press(Input input)
    {
        // The handler may stop the monitor while it runs.
        if (const Handler handler = m_handler)
            handler(input);
    }
    int startCount() const { return m_starts; }

private:
    Handler m_handler;
    int m_starts = 0;
};
