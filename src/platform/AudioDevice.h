#pragma once

#include <memory>
#include <string>

typedef struct ALCdevice_struct ALCdevice;
typedef struct ALCcontext_struct ALCcontext;

// One OpenAL device with its current context. The default device plays through the
// sound hardware; a loopback device (tests) mixes only when asked to render, into
// memory, so what was "heard" can be checked sample by sample.
class AudioDevice {
public:
    // The system's default output, or null when there is none (no hardware, no server).
    static std::unique_ptr<AudioDevice> OpenDefault(std::string& whyNot);
    // A loopback device rendering 32-bit float samples; null when the extension is missing.
    static std::unique_ptr<AudioDevice> OpenLoopback(int frequency, int channels);

    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // Loopback only: mixes `frames` frames of every playing source into `out`
    // (interleaved, `Channels()` floats per frame).
    void Render(float* out, int frames);
    int Frequency() const { return frequency_; }
    int Channels() const { return channels_; }

private:
    AudioDevice(ALCdevice* device, ALCcontext* context, int frequency, int channels);

    ALCdevice* device_;
    ALCcontext* context_;
    int frequency_;
    int channels_;
};
