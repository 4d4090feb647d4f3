#include "app/Engine.h"

#include "platform/Clock.h"

void Engine::EnsureTimerReady() {
    if (TimerReady) {
        return;
    }
    CounterFrequency = Clock::Frequency();
    TimerPeriod = Clock::SleepPeriodMilliseconds();
    if (TimerPeriod == 0) {
        TimerPeriod = 1;
    }
    TimerReady = true;
}
