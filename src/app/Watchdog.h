#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

// A thread that wakes once per interval and reports a stall when the heartbeat
// (clock ticks of the last frame start) is older than the limit, counting only time
// in which the process ran and no known long work was going on (StallCounter).
class Watchdog {
public:
    struct Settings {
        std::chrono::milliseconds limit{5000};
        std::chrono::milliseconds interval{1000};
    };
    // Receives how long the loop has been silent, in seconds. The default hands
    // the stall to the crash handler, which ends the process.
    using StallFunction = std::function<void(double silentSeconds)>;

    Watchdog(const std::atomic<std::int64_t>& heartbeat, std::int64_t ticksPerSecond,
             std::function<std::int64_t()> now, Settings settings, StallFunction onStall = {});
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // Starts watching. The thread that constructed the watchdog is the one reported
    // as hanging.
    void Start();

private:
    void Run();

    const std::atomic<std::int64_t>& heartbeat_;
    std::int64_t ticksPerSecond_;
    std::function<std::int64_t()> now_;
    Settings settings_;
    StallFunction onStall_;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
};
