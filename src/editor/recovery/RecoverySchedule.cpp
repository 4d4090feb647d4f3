#include "editor/recovery/RecoverySchedule.h"

#include <algorithm>

bool RecoverySchedule::IsCopyDue(double now, const Mark& mark) {
    if (!(mark == mark_)) {
        mark_ = mark;
        if (!pending_) {
            firstUncopied_ = now;
        }
        pending_ = true;
        lastChange_ = now;
    }
    if (pending_) {
        return now - lastChange_ >= QuietSeconds || now - firstUncopied_ >= DeadlineSeconds;
    }
    const double refresh = std::max(RefreshSeconds, copySeconds_ / MaxShareOfTime);
    return !mark_.Unsaved.empty() && now - lastCopy_ >= refresh;
}

void RecoverySchedule::Copied(double now, double seconds) {
    pending_ = false;
    lastCopy_ = now;
    copySeconds_ = seconds;
}
