#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace TestSupport {
// Measures the longest stretch during which the event loop did not run.
class StallMeter final {
public:
    StallMeter()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { m_longest = std::max(m_longest, m_clock.restart()); });
        m_clock.start();
        m_timer.start();
    }
    qint64 longestMs() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};
} // namespace TestSupport
