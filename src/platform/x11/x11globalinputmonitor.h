#pragma once

#include "platform/globalinputmonitor.h"

#include <QSet>
#include <memory>

class X11Connection;

// Presses seen through XInput 2 raw events on the root window: they reach us alongside the
// application that gets them, grabs included, and take nothing from it.
class X11GlobalInputMonitor final : public GlobalInputMonitor {
public:
    // None when the server lacks XInput 2.2.
    static std::unique_ptr<X11GlobalInputMonitor> create(X11Connection &connection);
    ~X11GlobalInputMonitor() override;

    bool start(Handler handler) override;
    void stop() override;
    bool isActive() const override { return bool(m_handler); }

private:
    X11GlobalInputMonitor(X11Connection &connection, quint8 opcode);
    void select(bool on);
    void readModifierKeys();
    void handleEvent(const void *event);

    X11Connection &m_connection;
    quint8 m_opcode;
    int m_handlerId = 0;
    Handler m_handler;
    QSet<quint32> m_modifierKeys;
};
