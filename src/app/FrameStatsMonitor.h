#pragma once

#include "app/LaunchOptions.h"
#include "core/FrameStats.h"

#include <chrono>
#include <iosfwd>
#include <memory>

class FrameStatsOverlay;
class GraphicsDevice;

// Gathers frame and pass times while anybody looks at them: --frame-stats (a line a
// second on `out`), --frames (one line for the whole run) or the F3 overlay. A
// frame's time is its work from input to present, without the pacing sleep. With
// none of them it does nothing but two comparisons a frame.
class FrameStatsMonitor {
public:
    FrameStatsMonitor(const LaunchOptions& options, std::ostream& out);
    ~FrameStatsMonitor();
    FrameStatsMonitor(const FrameStatsMonitor&) = delete;
    FrameStatsMonitor& operator=(const FrameStatsMonitor&) = delete;

    // With the device initialised: starts pass timing when the options ask for it.
    void Attach(GraphicsDevice& device);
    // Stops pass timing and drops the overlay, before the device is released.
    void Detach();

    void FrameStarted();
    void FrameEnded();
    // F3: shows or hides the overlay, its text in "DejaVuSans16".
    void ToggleOverlay();
    // The whole run's line, "run frames=... mean=...".
    void PrintRun();

private:
    bool Watching() const { return options_.frameStats || options_.frames > 0 || overlay_ != nullptr; }
    void UpdateTiming();
    void RollSecond(double nowSeconds);
    double SecondsSinceStart() const;

    LaunchOptions options_;
    std::ostream& out_;
    GraphicsDevice* device_ = nullptr;
    std::unique_ptr<FrameStatsOverlay> overlay_;
    FrameStats second_;
    FrameStats run_;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point frameStart_;
    // False for a frame that began before anybody watched (F3 pressed during it).
    bool frameStarted_ = false;
};
