#include "app/FrameStatsMonitor.h"

#include "core/Engine.h"
#include "graphics/FontManager.h"
#include "graphics/FrameStatsOverlay.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsDevice.h"

#include <ostream>

FrameStatsMonitor::FrameStatsMonitor(const LaunchOptions& options, std::ostream& out)
    : options_(options), out_(out), second_(1.0), start_(std::chrono::steady_clock::now()) {}

FrameStatsMonitor::~FrameStatsMonitor() = default;

void FrameStatsMonitor::Attach(GraphicsDevice& device) {
    device_ = &device;
    start_ = std::chrono::steady_clock::now();
    second_ = FrameStats(1.0);
    UpdateTiming();
}

void FrameStatsMonitor::Detach() {
    if (device_ != nullptr) {
        device_->PassTimes.SetMode(PassTimer::Mode::Off, nullptr);
        device_->StatsOverlayDraw = nullptr;
    }
    overlay_.reset();
    device_ = nullptr;
}

// Pass timing runs exactly while someone reads the figures.
void FrameStatsMonitor::UpdateTiming() {
    if (device_ == nullptr) {
        return;
    }
    PassTimer::Mode mode = PassTimer::Mode::Off;
    if (Watching()) {
        mode = options_.passTiming == LaunchOptions::PassTiming::Queries ? PassTimer::Mode::Queries
                                                                         : PassTimer::Mode::Finish;
    }
    if (mode == device_->PassTimes.CurrentMode()) {
        return;
    }
    device_->PassTimes.SetMode(mode, [this](std::string_view pass, double milliseconds) {
        second_.AddPass(pass, milliseconds);
        if (options_.frames > 0) {
            run_.AddPass(pass, milliseconds);
        }
    });
}

void FrameStatsMonitor::FrameStarted() {
    frameStarted_ = Watching();
    if (frameStarted_) {
        frameStart_ = std::chrono::steady_clock::now();
    }
}

void FrameStatsMonitor::FrameEnded() {
    if (!frameStarted_ || !Watching()) {
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    const double milliseconds = std::chrono::duration<double, std::milli>(now - frameStart_).count();
    second_.AddFrame(milliseconds);
    if (options_.frames > 0) {
        run_.AddFrame(milliseconds);
    }
    if (overlay_ != nullptr) {
        overlay_->AddFrame(milliseconds);
    }
    RollSecond(std::chrono::duration<double>(now - start_).count());
}

void FrameStatsMonitor::RollSecond(double nowSeconds) {
    const auto summary = second_.Roll(nowSeconds);
    if (!summary) {
        return;
    }
    if (options_.frameStats) {
        out_ << FrameStats::FormatLine(*summary) << std::endl;
    }
    if (overlay_ != nullptr) {
        overlay_->ShowFigures(*summary);
    }
}

void FrameStatsMonitor::ToggleOverlay() {
    if (device_ == nullptr) {
        return;
    }
    if (overlay_ != nullptr) {
        overlay_.reset();
        device_->StatsOverlayDraw = nullptr;
    } else {
        BitmapFont* font = Engine::Fonts != nullptr ? Engine::Fonts->GetFont("DejaVuSans16") : nullptr;
        overlay_ = std::make_unique<FrameStatsOverlay>(static_cast<float>(Engine::Graphics->Width), font);
        overlay_->ShowFigures(second_.Summarize());
        device_->StatsOverlayDraw = [this] { overlay_->Draw(*device_); };
    }
    UpdateTiming();
}

void FrameStatsMonitor::PrintRun() {
    out_ << "run " << run_.Line() << std::endl;
}
