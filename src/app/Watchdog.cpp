#include "app/Watchdog.h"

#include "app/CrashHandler.h"
#include "app/StallCounter.h"
#include "core/LongWork.h"

#include <pthread.h>

#include <cstdio>
#include <utility>

Watchdog::Watchdog(const std::atomic<std::int64_t>& heartbeat, std::int64_t ticksPerSecond,
                   std::function<std::int64_t()> now, Settings settings, StallFunction onStall)
    : heartbeat_(heartbeat),
      ticksPerSecond_(ticksPerSecond),
      now_(std::move(now)),
      settings_(settings),
      onStall_(std::move(onStall)) {
    if (!onStall_) {
        const auto watched = static_cast<unsigned long>(pthread_self());
        onStall_ = [watched](double silentSeconds) {
            char what[128];
            std::snprintf(what, sizeof what, "watchdog: the frame loop produced no frame for %.1f s",
                          silentSeconds);
            CrashHandler::ReportStall(watched, what);
        };
    }
}

Watchdog::~Watchdog() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void Watchdog::Start() {
    thread_ = std::thread([this] { Run(); });
}

void Watchdog::Run() {
    pthread_setname_np(pthread_self(), "watchdog");
    // A look more than one interval late means the process was not running.
    StallCounter counter(settings_.limit.count() * ticksPerSecond_ / 1000,
                         2 * settings_.interval.count() * ticksPerSecond_ / 1000);
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (const auto silent = counter.Look(now_(), heartbeat_.load(), LongWork::InProgress())) {
            lock.unlock();
            onStall_(static_cast<double>(*silent) / static_cast<double>(ticksPerSecond_));
            return;
        }
        wake_.wait_for(lock, settings_.interval, [this] { return stopping_; });
    }
}
