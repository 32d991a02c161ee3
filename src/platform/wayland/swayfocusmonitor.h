#pragma once

#include "platform/globalinputmonitor.h"

#include <QMetaObject>

class SwayIpc;

// What Wayland lets Ringle see of presses elsewhere: sway's focus moving to another window (a click
// or a key that switched windows), reported as a press so a shown result goes away.
class SwayFocusMonitor final : public GlobalInputMonitor {
public:
    explicit SwayFocusMonitor(SwayIpc &sway)
        : m_sway(sway)
    {
    }
    ~SwayFocusMonitor() override { stop(); }

    bool start(Handler handler) override;
    void stop() override;
    bool isActive() const override { return bool(m_connection); }

private:
    SwayIpc &m_sway;
    QMetaObject::Connection m_connection;
};
