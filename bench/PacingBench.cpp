// Runs the real frame loop (pacer, passes, deletion) for 600 frames of an empty
// scene and, in the same run, a naive loop that sleeps 16 ms per frame. Prints the
// mean frame rate and the 99th percentile of |frame start - deadline| of each.
#include "app/FramePacer.h"
#include "app/GameApp.h"
#include "core/Engine.h"
#include "platform/Clock.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kFrames = 600;

struct Result {
    double meanHz;
    double p99Milliseconds;
};

Result Summarise(const std::vector<std::int64_t>& starts, const std::vector<std::int64_t>& deadlines) {
    const double frequency = static_cast<double>(Clock::Frequency());
    const double span = static_cast<double>(starts.back() - starts.front()) / frequency;
    std::vector<double> offsets;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        offsets.push_back(std::abs(static_cast<double>(starts[i] - deadlines[i])) * 1000.0 / frequency);
    }
    std::sort(offsets.begin(), offsets.end());
    const std::size_t p99 = std::min(offsets.size() - 1, offsets.size() * 99 / 100);
    return {static_cast<double>(starts.size() - 1) / span, offsets[p99]};
}

Result RunEngineLoop() {
    GameApp app;
    FramePacer::EnsureTimerReady();
    FramePacer pacer({Engine::CounterFrequency, 60, 5, Engine::TimerPeriod}, Clock::Now, Clock::SleepMilliseconds);
    std::vector<std::int64_t> starts;
    std::vector<std::int64_t> deadlines;
    pacer.Start();
    for (int frame = 0; frame < kFrames; ++frame) {
        const float delta = pacer.WaitForFrame();
        starts.push_back(Clock::Now());
        deadlines.push_back(pacer.FrameDeadline());
        app.RunFrame(delta);
    }
    return Summarise(starts, deadlines);
}

Result RunNaiveLoop() {
    const std::int64_t interval = Clock::Frequency() / 60;
    std::vector<std::int64_t> starts;
    std::vector<std::int64_t> deadlines;
    const std::int64_t first = Clock::Now();
    for (int frame = 0; frame < kFrames; ++frame) {
        starts.push_back(Clock::Now());
        deadlines.push_back(first + frame * interval);
        SDL_Delay(16);
    }
    return Summarise(starts, deadlines);
}

}  // namespace

int main() {
    const Result engine = RunEngineLoop();
    const Result naive = RunNaiveLoop();
    std::printf("%-22s %12s %14s %22s\n", "loop", "mean Hz", "error vs 60", "p99 |start-deadline|");
    std::printf("%-22s %12.4f %13.4f%% %19.3f ms\n", "engine frame loop", engine.meanHz,
                100.0 * (engine.meanHz - 60.0) / 60.0, engine.p99Milliseconds);
    std::printf("%-22s %12.4f %13.4f%% %19.3f ms\n", "naive SDL_Delay(16)", naive.meanHz,
                100.0 * (naive.meanHz - 60.0) / 60.0, naive.p99Milliseconds);
    return 0;
}
