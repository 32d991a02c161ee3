#include "base/latencyprobe.h"

#include <chrono>

Q_LOGGING_CATEGORY(lcLatency, "ringle.latency", QtInfoMsg)

namespace LatencyProbe {
void mark(const char *what)
{
    if (!lcLatency().isDebugEnabled())
        return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    qCDebug(lcLatency).noquote() << what << std::chrono::duration_cast<std::chrono::microseconds>(now).count();
}
} // namespace LatencyProbe
