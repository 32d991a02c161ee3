#pragma once

#include <QLoggingCategory>

// Moments on the way from the wheel's shortcut to its first frame on screen, in microseconds of the
// monotonic clock, logged at debug level under "ringle.latency" for the latency benchmark.
Q_DECLARE_LOGGING_CATEGORY(lcLatency)

namespace LatencyProbe {
// Logs "<what> <microseconds>" when the category is on.
void mark(const char *what);
// The same for a moment another process saw on the same clock (GNOME Shell's key event).
void markAt(const char *what, qint64 microseconds);
} // namespace LatencyProbe
