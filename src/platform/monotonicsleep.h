#pragma once

#include <QCoroTask>
#include <chrono>

// Suspends the calling task on the monotonic clock and never wakes before the time asked for
// (a default QTimer may fire up to 5 % early, which a fixed pause must not).
namespace MonotonicSleep {
QCoro::Task<void> sleepUntil(std::chrono::steady_clock::time_point deadline);
QCoro::Task<void> sleepFor(std::chrono::milliseconds duration);
} // namespace MonotonicSleep
