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
    long long Frames() const { return frames_; }

private:
    Sound(unsigned buffer, long long frames) : buffer_(buffer), frames_(frames) {}

    unsigned buffer_;
    long long frames_;
};
