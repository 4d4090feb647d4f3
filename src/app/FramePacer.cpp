#include "app/FramePacer.h"

#include "core/Engine.h"
#include "platform/Clock.h"

#include <algorithm>
#include <utility>

FramePacer::FramePacer(Settings settings, NowFunction now, SleepFunction sleep)
    : settings_(settings),
      now_(std::move(now)),
      sleep_(std::move(sleep)),
      ticksPerStep_(settings.ticksPerSecond / settings.frameRate) {}

void FramePacer::Start() {
    deadline_ = now_() + ticksPerStep_;
}

float FramePacer::WaitForFrame() {
    if (settings_.testDelayMilliseconds > 0) {
        sleep_(settings_.testDelayMilliseconds);
    }
    std::int64_t now = now_();
    SleepUntilDue(now);
    frameDeadline_ = deadline_;
    CountIntervals(now);
    return delta_;
}

void FramePacer::SleepUntilDue(std::int64_t& now) {
    const std::int64_t period = settings_.timerPeriodMilliseconds;
    const std::int64_t due = deadline_ - (swapWaits_ ? ticksPerStep_ : 0);
    while (now < due) {
        std::int64_t milliseconds = (due - now) * 1000 / settings_.ticksPerSecond;
        milliseconds -= milliseconds % period;
        sleep_(static_cast<unsigned>(milliseconds));
        now = now_();
    }
}

void FramePacer::CountIntervals(std::int64_t now) {
    const int cap = settings_.maxFrameSkip + 1;
    const float interval = 1.0f / static_cast<float>(settings_.frameRate);
    delta_ = 0.0f;
    intervals_ = 0;
    do {
        delta_ += interval;
        deadline_ += ticksPerStep_;
        ++intervals_;
    } while (deadline_ <= now && intervals_ < cap);

    if (deadline_ <= now) {
        // The backlog beyond the cap is dropped: it adds no game time.
        deadline_ += ((now - deadline_) / ticksPerStep_ + 1) * ticksPerStep_;
    }
}

float FramePacer::PhysicsStepSeconds() const {
    return std::min(delta_, 2.0f / static_cast<float>(settings_.frameRate));
}

void FramePacer::EnsureTimerReady() {
    if (Engine::TimerReady) {
        return;
    }
    Engine::CounterFrequency = Clock::Frequency();
    Engine::TimerPeriod = Clock::SleepPeriodMilliseconds();
    if (Engine::TimerPeriod == 0) {
        Engine::TimerPeriod = 1;
    }
    Engine::TimerReady = true;
}
