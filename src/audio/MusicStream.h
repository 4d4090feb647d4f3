#pragma once

#include "audio/MusicMetadata.h"

#include <cstddef>
#include <memory>

typedef struct sf_private_tag SNDFILE;

// Decodes a track piece by piece, for ever: frames 0..E once, then S..E again and
// again, with S and E the loop's first and last frame (the whole track without a
// loop). The jump back is a decoder seek, which libsndfile does sample-exactly for
// WAV and FLAC data.
class MusicStream {
public:
    static std::unique_ptr<MusicStream> Open(const MusicMetadata& track);
    ~MusicStream();
    MusicStream(const MusicStream&) = delete;
    MusicStream& operator=(const MusicStream&) = delete;

    // Fills `frames` frames of interleaved 16-bit samples; returns the count written,
    // less only when the track cannot be read further.
    std::size_t Read(short* out, std::size_t frames);

    int Channels() const { return channels_; }
    int SampleRate() const { return sampleRate_; }

private:
    MusicStream(SNDFILE* file, int channels, int sampleRate, long long loopStart, long long loopEnd);

    SNDFILE* file_;
    int channels_;
    int sampleRate_;
    long long loopStart_;
    long long loopEnd_;  // last frame of the loop, inclusive
    long long position_ = 0;
};
