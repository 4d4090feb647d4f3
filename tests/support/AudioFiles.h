#pragma once

#include <sndfile.h>

#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <vector>

// Writes 16-bit mono test sounds with libsndfile.
inline void WriteSamples(const std::filesystem::path& path, const std::vector<short>& samples, int rate = 44100,
                         int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = format;
    SNDFILE* file = sf_open(path.string().c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        throw std::runtime_error("cannot write " + path.string());
    }
    sf_writef_short(file, samples.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(file);
}

inline std::vector<short> Tone(double frequency, int frames, double amplitude = 0.5, int rate = 44100) {
    std::vector<short> samples(static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        samples[static_cast<std::size_t>(i)] =
            static_cast<short>(std::lround(amplitude * 32767.0 * std::sin(2.0 * M_PI * frequency * i / rate)));
    }
    return samples;
}

inline std::vector<short> ReadAllSamples(const std::filesystem::path& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.string().c_str(), SFM_READ, &info);
    if (file == nullptr) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::vector<short> samples(static_cast<std::size_t>(info.frames * info.channels));
    sf_readf_short(file, samples.data(), info.frames);
    sf_close(file);
    return samples;
}

// Sign changes from negative to non-negative, a stand-in for the heard frequency.
inline int RisingZeroCrossings(const std::vector<float>& samples) {
    int count = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        if (samples[i - 1] < 0.0f && samples[i] >= 0.0f) {
            ++count;
        }
    }
    return count;
}

inline float Peak(const std::vector<float>& samples) {
    float peak = 0.0f;
    for (float s : samples) {
        peak = std::max(peak, std::fabs(s));
    }
    return peak;
}
