#pragma once

#include <memory>
#include <string>

// One decoded sound effect held in an OpenAL buffer (no buffer when running silent).
class Sound {
public:
    // Decodes the file; null when libsndfile cannot read it. With `upload` false the
    // file is only checked, for a game running without an audio device.
    static std::unique_ptr<Sound> Load(const std::string& path, bool upload);

    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    unsigned Buffer() const { return buffer_; }
    // Samples per second as stored in the file.
    int DefaultFrequency() const { return frequency_; }
    long long Frames() const { return frames_; }

private:
    Sound(unsigned buffer, int frequency, long long frames) : buffer_(buffer), frequency_(frequency), frames_(frames) {}

    unsigned buffer_;
    int frequency_;
    long long frames_;
};
