#pragma once

#include "core/Behavior.h"

#include <string>

class CueLoopedBhv;

// The parent of every cue object; the current one (the last started) is the one
// PlayCue uses.
class CueManagerBhv : public Behavior {
public:
    ~CueManagerBhv() override;
    void Start() override;
};

// Builds the prefab "Cue_<name>" under the current cue manager and triggers it.
// Nothing happens without a cue manager or without such a prefab.
void PlayCue(const std::string& name);
// The same, returning the cue's looped behaviour so the caller can StopLoop it later;
// null when nothing was built or the cue is not looped.
CueLoopedBhv* PlayLoopedCue(const std::string& name);
