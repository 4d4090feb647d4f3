#include "audio/MusicStream.h"

#include <sndfile.h>

#include <algorithm>

std::unique_ptr<MusicStream> MusicStream::Open(const MusicMetadata& track) {
    SF_INFO info{};
    SNDFILE* file = sf_open(track.Path.c_str(), SFM_READ, &info);
    if (file == nullptr) {
        return nullptr;
    }
    if (info.frames <= 0 || info.channels < 1 || info.channels > 2) {
        sf_close(file);
        return nullptr;
    }
    long long start = 0;
    long long end = info.frames - 1;
    if (track.HasLoop()) {
        start = track.LoopStartSample;
        end = track.LoopEndSample;
    }
    return std::unique_ptr<MusicStream>(new MusicStream(file, info.channels, info.samplerate, start, end));
}

MusicStream::MusicStream(SNDFILE* file, int channels, int sampleRate, long long loopStart, long long loopEnd)
    : file_(file), channels_(channels), sampleRate_(sampleRate), loopStart_(loopStart), loopEnd_(loopEnd) {}

MusicStream::~MusicStream() {
    sf_close(file_);
}

std::size_t MusicStream::Read(short* out, std::size_t frames) {
    std::size_t written = 0;
    while (written < frames) {
        if (position_ > loopEnd_) {
            if (sf_seek(file_, loopStart_, SEEK_SET) != loopStart_) {
                break;
            }
            position_ = loopStart_;
        }
        const auto wanted = static_cast<sf_count_t>(
            std::min<long long>(static_cast<long long>(frames - written), loopEnd_ + 1 - position_));
        const sf_count_t got = sf_readf_short(file_, out + written * static_cast<std::size_t>(channels_), wanted);
        if (got <= 0) {
            break;
        }
        written += static_cast<std::size_t>(got);
        position_ += got;
    }
    return written;
}
