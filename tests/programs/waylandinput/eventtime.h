#pragma once

#include <cstdint>
#include <ctime>

// Input event time stamps: milliseconds of the monotonic clock, as real devices give them.
inline uint32_t eventTime()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return uint32_t(uint64_t(now.tv_sec) * 1000 + uint64_t(now.tv_nsec) / 1000000);
}
