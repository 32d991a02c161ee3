#include "platform/monotonicsleep.h"

#include <QCoroTimer>
#include <QTimer>

namespace MonotonicSleep {
QCoro::Task<void> sleepUntil(std::chrono::steady_clock::time_point deadline)
{
    using namespace std::chrono;
    for (auto now = steady_clock::now(); now < deadline; now = steady_clock::now()) {
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        timer.setSingleShot(true);
        timer.start(ceil<milliseconds>(deadline - now));
        co_await timer;
    }
}

QCoro::Task<void> sleepFor(std::chrono::milliseconds duration)
{
    co_await sleepUntil(std::chrono::steady_clock::now() + duration);
}
} // namespace MonotonicSleep
