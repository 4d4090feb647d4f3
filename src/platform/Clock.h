#pragma once

#include <cstdint>

// The monotonic high-resolution counter and the sleep the frame loop paces itself with.
class Clock {
public:
    static std::int64_t Now();
    static std::int64_t Frequency();
    // The smallest sleep the system honours, in milliseconds.
    static unsigned SleepPeriodMilliseconds();
    // Sleeps whole milliseconds; zero gives up the rest of the time slice.
    static void SleepMilliseconds(unsigned milliseconds);
};
