#pragma once

#include <string>

// A music track and its optional loop range, in sample frames of the decoded track.
struct MusicMetadata {
    std::string Path;
    long long LoopStartSample = -1;
    long long LoopEndSample = -1;

    bool HasLoop() const { return LoopStartSample != -1 && LoopEndSample != -1; }
};
