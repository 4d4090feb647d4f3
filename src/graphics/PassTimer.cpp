#include "graphics/PassTimer.h"

#include <epoxy/gl.h>

#include <utility>

void PassTimer::SetMode(Mode mode, Report report) {
    for (FrameQueries& slot : ring_) {
        slot.pending = false;
        slot.count = 0;
    }
    mode_ = mode;
    report_ = std::move(report);
}

void PassTimer::BeginTimed(const char* pass) {
    pass_ = pass;
    if (mode_ == Mode::Finish) {
        glFinish();
        passStart_ = std::chrono::steady_clock::now();
        return;
    }
    if (!queriesCreated_) {
        for (FrameQueries& slot : ring_) {
            glGenQueries(kPassesPerFrame, slot.queries.data());
        }
        queriesCreated_ = true;
        dropNextFrame_ = true;
    }
    FrameQueries& slot = CurrentSlot();
    if (slot.count < kPassesPerFrame) {
        slot.names[static_cast<std::size_t>(slot.count)] = pass;
        glBeginQuery(GL_TIME_ELAPSED, slot.queries[static_cast<std::size_t>(slot.count)]);
    }
}

void PassTimer::EndTimed() {
    if (mode_ == Mode::Finish) {
        glFinish();
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - passStart_;
        if (report_) {
            report_(pass_, elapsed.count());
        }
        return;
    }
    FrameQueries& slot = CurrentSlot();
    if (slot.count < kPassesPerFrame) {
        glEndQuery(GL_TIME_ELAPSED);
        ++slot.count;
        slot.pending = true;
    }
}

void PassTimer::CollectQueries() {
    // Oldest first, so the passes are reported in frame order.
    for (long long age = kFrames - 1; age >= 1; --age) {
        FrameQueries& slot = ring_[static_cast<std::size_t>((frame_ + kFrames - age) % kFrames)];
        if (slot.pending && TryReport(slot)) {
            slot.pending = false;
        }
    }
    ++frame_;
    // Still pending after a full turn of the ring: dropped rather than waited for.
    FrameQueries& reused = CurrentSlot();
    reused.pending = false;
    reused.count = 0;
}

bool PassTimer::TryReport(FrameQueries& slot) {
    // Queries finish in order: when the last is ready, all are.
    GLint available = 0;
    glGetQueryObjectiv(slot.queries[static_cast<std::size_t>(slot.count - 1)], GL_QUERY_RESULT_AVAILABLE, &available);
    if (available == 0) {
        return false;
    }
    if (dropNextFrame_) {
        dropNextFrame_ = false;
        return true;
    }
    for (int i = 0; i < slot.count; ++i) {
        GLuint64 nanoseconds = 0;
        glGetQueryObjectui64v(slot.queries[static_cast<std::size_t>(i)], GL_QUERY_RESULT, &nanoseconds);
        if (report_) {
            report_(slot.names[static_cast<std::size_t>(i)], static_cast<double>(nanoseconds) / 1.0e6);
        }
    }
    return true;
}

void PassTimer::Release() {
    if (queriesCreated_) {
        for (FrameQueries& slot : ring_) {
            glDeleteQueries(kPassesPerFrame, slot.queries.data());
            slot = FrameQueries{};
        }
        queriesCreated_ = false;
    }
}
