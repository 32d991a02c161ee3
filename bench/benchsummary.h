#pragma once

#include <QString>
#include <algorithm>
#include <vector>

// "median M ms, best B ms, worst W ms over N" for a list of timings in milliseconds (not empty).
inline QString benchSummary(std::vector<double> times, int decimals = 0)
{
    std::sort(times.begin(), times.end());
    return QStringLiteral("median %1 ms, best %2 ms, worst %3 ms over %4")
        .arg(times[times.size() / 2], 0, 'f', decimals)
        .arg(times.front(), 0, 'f', decimals)
        .arg(times.back(), 0, 'f', decimals)
        .arg(times.size());
}
