#pragma once

#include <cstdint>
#include <functional>

// The frame loop's clock arithmetic: frames start on a fixed grid of step intervals.
// A due frame covers every interval that has passed since the last one, at most
// MaxFrameSkip + 1 of them; a longer backlog is dropped. The loop never busy-waits:
// it sleeps in whole multiples of the timer period, a zero-length yield when less
// than one period is left. Clock and sleep are injected so the rules can be tested
// without real time passing.
class FramePacer {
public:
    using NowFunction = std::function<std::int64_t()>;
    using SleepFunction = std::function<void(unsigned milliseconds)>;

    struct Settings {
        std::int64_t ticksPerSecond = 0;
        int frameRate = 60;
        int maxFrameSkip = 5;
        unsigned timerPeriodMilliseconds = 1;
        // Slept before every frame on top of the pacing, so tests can see the game
        // at a few frames a second; 0 in the game.
        unsigned testDelayMilliseconds = 0;
    };

    FramePacer(Settings settings, NowFunction now, SleepFunction sleep);

    // Makes Engine::CounterFrequency and Engine::TimerPeriod known from the system
    // clock; idempotent.
    static void EnsureTimerReady();

    // Puts the next deadline one interval after now.
    void Start();

    // Sleeps until the next deadline has been reached, then advances it and returns
    // the game time the frame covers (a whole number of intervals).
    float WaitForFrame();

    // With vsync on, showing a frame waits for the display's refresh, which need not
    // fall on the pacer's grid: sleeping to the deadline and then waiting for the
    // refresh could cost two refreshes a frame. The swap then does the waiting, and
    // the pacer only keeps the loop from running ahead of the grid (a display faster
    // than FrameRate, or a swap that does not wait after all): a frame may start up to
    // one interval before its deadline. The grid stays where it is, so the game still
    // takes FrameRate steps a second, whatever the display's rate.
    void SetSwapWaits(bool waits) { swapWaits_ = waits; }

    int IntervalsThisFrame() const { return intervals_; }
    float DeltaSeconds() const { return delta_; }
    // The deadline the current frame was due at, and the one the next frame waits for.
    std::int64_t FrameDeadline() const { return frameDeadline_; }
    std::int64_t NextDeadline() const { return deadline_; }

    // The physics step of a frame: never more than two intervals of game time.
    float PhysicsStepSeconds() const;

private:
    void SleepUntilDue(std::int64_t& now);
    void CountIntervals(std::int64_t now);

    Settings settings_;
    NowFunction now_;
    SleepFunction sleep_;
    std::int64_t ticksPerStep_;
    std::int64_t deadline_ = 0;
    std::int64_t frameDeadline_ = 0;
    int intervals_ = 0;
    float delta_ = 0.0f;
    bool swapWaits_ = false;
};
