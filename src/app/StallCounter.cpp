#include "app/StallCounter.h"

#include <algorithm>

StallCounter::StallCounter(std::int64_t limitTicks, std::int64_t lateLookTicks)
    : limitTicks_(limitTicks), lateLookTicks_(lateLookTicks) {}

std::optional<std::int64_t> StallCounter::Look(std::int64_t now, std::int64_t heartbeat, bool longWork) {
    const bool late = lastLook_ && now - *lastLook_ > lateLookTicks_;
    lastLook_ = now;
    if (late || longWork) {
        countFrom_ = now;
    }
    const std::int64_t silent = now - std::max(heartbeat, countFrom_);
    if (silent > limitTicks_) {
        return silent;
    }
    return std::nullopt;
}
