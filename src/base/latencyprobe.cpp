#include "base/latencyprobe.h"

#include <chrono>

Q_LOGGING_CATEGORY(lcLatency, "ringle.latency", QtInfoMsg)

namespace LatencyProbe {
void mark(const char *what)
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    markAt(what, std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

void markAt(const char *what, qint64 microseconds)
{
    if (lcLatency().isDebugEnabled())
        qCDebug(lcLatency).noquote() << what << microseconds;
}
} // namespace LatencyProbe
