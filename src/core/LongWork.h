#pragma once

#include <atomic>

// Work the frame loop knows may take long: a save on a slow disk, loading or saving a
// large level. While a scope is open the watchdog does not count the loop as hung, and
// it gives the loop its full time again once the work is over. Scopes nest.
class LongWork {
public:
    LongWork() { depth_.fetch_add(1); }
    ~LongWork() { depth_.fetch_sub(1); }
    LongWork(const LongWork&) = delete;
    LongWork& operator=(const LongWork&) = delete;

    static bool InProgress() { return depth_.load() > 0; }

private:
    static inline std::atomic<int> depth_{0};
};
