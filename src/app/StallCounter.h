#pragma once

#include <cstdint>
#include <limits>
#include <optional>

// The watchdog's judgement, apart from its thread: is the frame loop hung? It counts
// only time in which the process ran. A look that comes much later than asked (the
// process was stopped with SIGSTOP, the machine suspended, the watchdog starved) and
// known long work both restart the count, so the loop is never blamed for time it
// could not run.
class StallCounter {
public:
    // In clock ticks: how long a silent loop is tolerated, and how late a look may
    // come before the time in between is taken as time the process did not run.
    StallCounter(std::int64_t limitTicks, std::int64_t lateLookTicks);

    // One look at `now`, with the loop's last heartbeat. Returns how long the loop
    // has been silent, in ticks, when that is past the limit; nothing otherwise.
    std::optional<std::int64_t> Look(std::int64_t now, std::int64_t heartbeat, bool longWork);

private:
    std::int64_t limitTicks_;
    std::int64_t lateLookTicks_;
    std::optional<std::int64_t> lastLook_;
    std::int64_t countFrom_ = std::numeric_limits<std::int64_t>::min();
};
