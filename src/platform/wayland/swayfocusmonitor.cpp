#include "platform/wayland/swayfocusmonitor.h"

#include "platform/wayland/swayipc.h"

bool SwayFocusMonitor::start(Handler handler)
{
    stop();
    if (!m_sway.isOpen())
        return false;
    m_connection = QObject::connect(&m_sway, &SwayIpc::focusChanged, &m_sway,
                                    [handler = std::move(handler)](const SwayWindow &) { handler(Input::buttonPress); });
    return true;
}

void SwayFocusMonitor::stop()
{
    QObject::disconnect(m_connection);
    m_connection = {};
}
