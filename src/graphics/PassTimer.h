#pragma once

#include <array>
#include <chrono>
#include <functional>
#include <string_view>

// Times the passes of a frame and reports each as (pass name, milliseconds).
//
// Finish: a glFinish before and after each pass, the wall time between. Stalling the
// pipeline costs little on a software rasteriser, and there it is the only honest
// figure: llvmpipe's GL_TIME_ELAPSED lets passes into one framebuffer overlap and does
// not count the CPU-side work.
// Queries: one GL_TIME_ELAPSED query per pass from a ring of a few frames, read back
// when available a few frames later and never waited for (a frame whose results are
// still pending when its slot comes round again is dropped). Right on a real GPU.
// Off: nothing at all, no query objects and no finish.
class PassTimer {
public:
    enum class Mode { Off, Finish, Queries };
    using Report = std::function<void(std::string_view pass, double milliseconds)>;

    PassTimer() = default;
    PassTimer(const PassTimer&) = delete;
    PassTimer& operator=(const PassTimer&) = delete;

    // Query results still pending in the old mode are dropped.
    void SetMode(Mode mode, Report report);
    Mode CurrentMode() const { return mode_; }

    // At the start of a frame: reports the queries of earlier frames that are ready.
    void BeginFrame() {
        if (mode_ == Mode::Queries) {
            CollectQueries();
        }
    }
    // `pass` must outlive the timer (a string literal).
    void Begin(const char* pass) {
        if (mode_ != Mode::Off) {
            BeginTimed(pass);
        }
    }
    void End() {
        if (mode_ != Mode::Off) {
            EndTimed();
        }
    }

    // Deletes the query objects; with the GL context current, before it goes.
    void Release();

private:
    static constexpr int kFrames = 4;
    static constexpr int kPassesPerFrame = 16;
    struct FrameQueries {
        std::array<unsigned, kPassesPerFrame> queries{};
        std::array<const char*, kPassesPerFrame> names{};
        int count = 0;
        bool pending = false;
    };

    void BeginTimed(const char* pass);
    void EndTimed();
    void CollectQueries();
    bool TryReport(FrameQueries& slot);
    FrameQueries& CurrentSlot() { return ring_[static_cast<std::size_t>(frame_ % kFrames)]; }

    Mode mode_ = Mode::Off;
    Report report_;
    const char* pass_ = nullptr;
    std::chrono::steady_clock::time_point passStart_;
    std::array<FrameQueries, kFrames> ring_{};
    long long frame_ = 0;
    bool queriesCreated_ = false;
    // llvmpipe reads the very first query of a context from an unset clock (hours).
    bool dropNextFrame_ = false;
};
