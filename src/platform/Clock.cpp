#include "platform/Clock.h"

#include <sched.h>
#include <time.h>

namespace {
constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;
}

std::int64_t Clock::Now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * kNanosecondsPerSecond + ts.tv_nsec;
}

std::int64_t Clock::Frequency() {
    return kNanosecondsPerSecond;
}

unsigned Clock::SleepPeriodMilliseconds() {
    return 1;
}

void Clock::SleepMilliseconds(unsigned milliseconds) {
    if (milliseconds == 0) {
        sched_yield();
        return;
    }
    timespec ts{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1'000'000L};
    while (nanosleep(&ts, &ts) != 0) {
    }
}
