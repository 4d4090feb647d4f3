#pragma once

#include <cstddef>
#include <set>
#include <string>

// When unsaved work is copied for recovery: soon after it changes, never every frame.
// A change shows as a new mark (the edit history's count of changes, the names of the
// unsaved prefabs and levels). The copy follows once no change came for QuietSeconds,
// or DeadlineSeconds after the first uncopied change while changes go on. Changes no
// mark shows are caught by a refresh every RefreshSeconds while work is unsaved,
// stretched for work that takes long to copy (a huge level), so copying never takes
// more than a small share of the time.
class RecoverySchedule {
public:
    static constexpr double QuietSeconds = 1.0;
    static constexpr double DeadlineSeconds = 4.0;
    static constexpr double RefreshSeconds = 5.0;
    static constexpr double MaxShareOfTime = 0.05;

    struct Mark {
        std::size_t Changes = 0;
        std::set<std::string> Unsaved;
        bool operator==(const Mark&) const = default;
    };

    // The work's mark at `now` (seconds on a steady clock); true when a copy is due.
    bool IsCopyDue(double now, const Mark& mark);
    // A copy was made at `now`, and took `seconds`.
    void Copied(double now, double seconds);

private:
    Mark mark_;
    bool pending_ = false;
    double lastChange_ = 0.0;
    double firstUncopied_ = 0.0;
    double lastCopy_ = 0.0;
    double copySeconds_ = 0.0;
};
