#include "platform/AudioDevice.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace {

// Room for every pooled channel plus the music stream.
constexpr ALCint kMonoSources = 128;

// Opening the default device walks OpenAL Soft's backends, and the sound libraries
// under them print a page of errors when there is no sound card. The game says in
// one line of its own that it runs without sound, so their chatter is muted while
// the device opens.
ALCdevice* OpenDefaultQuietly() {
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved >= 0 && null >= 0) {
        dup2(null, STDERR_FILENO);
    }
    ALCdevice* device = alcOpenDevice(nullptr);
    if (saved >= 0 && null >= 0) {
        dup2(saved, STDERR_FILENO);
    }
    if (null >= 0) {
        close(null);
    }
    if (saved >= 0) {
        close(saved);
    }
    return device;
}

LPALCLOOPBACKOPENDEVICESOFT LoopbackOpen() {
    return reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
}

}  // namespace

AudioDevice::AudioDevice(ALCdevice* device, ALCcontext* context, int frequency, int channels)
    : device_(device), context_(context), frequency_(frequency), channels_(channels) {}

std::unique_ptr<AudioDevice> AudioDevice::OpenDefault(std::string& whyNot) {
    ALCdevice* device = OpenDefaultQuietly();
    if (device == nullptr) {
        whyNot = "no audio output device could be opened";
        return nullptr;
    }
    const ALCint attributes[] = {ALC_MONO_SOURCES, kMonoSources, 0};
    ALCcontext* context = alcCreateContext(device, attributes);
    if (context == nullptr || alcMakeContextCurrent(context) == ALC_FALSE) {
        if (context != nullptr) {
            alcDestroyContext(context);
        }
        alcCloseDevice(device);
        whyNot = "the audio device refused a context";
        return nullptr;
    }
    ALCint frequency = 0;
    alcGetIntegerv(device, ALC_FREQUENCY, 1, &frequency);
    return std::unique_ptr<AudioDevice>(new AudioDevice(device, context, frequency, 2));
}

std::unique_ptr<AudioDevice> AudioDevice::OpenLoopback(int frequency, int channels) {
    if (alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback") == ALC_FALSE) {
        return nullptr;
    }
    ALCdevice* device = LoopbackOpen()(nullptr);
    if (device == nullptr) {
        return nullptr;
    }
    // No limiter: tests compare what was rendered with what was decoded.
    const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT,
                                 channels == 1 ? ALC_MONO_SOFT : ALC_STEREO_SOFT,
                                 ALC_FORMAT_TYPE_SOFT,
                                 ALC_FLOAT_SOFT,
                                 ALC_FREQUENCY,
                                 frequency,
                                 ALC_MONO_SOURCES,
                                 kMonoSources,
                                 ALC_OUTPUT_LIMITER_SOFT,
                                 ALC_FALSE,
                                 ALC_HRTF_SOFT,
                                 ALC_FALSE,
                                 0};
    ALCcontext* context = alcCreateContext(device, attributes);
    if (context == nullptr || alcMakeContextCurrent(context) == ALC_FALSE) {
        if (context != nullptr) {
            alcDestroyContext(context);
        }
        alcCloseDevice(device);
        return nullptr;
    }
    return std::unique_ptr<AudioDevice>(new AudioDevice(device, context, frequency, channels));
}

AudioDevice::~AudioDevice() {
    if (alcGetCurrentContext() == context_) {
        alcMakeContextCurrent(nullptr);
    }
    alcDestroyContext(context_);
    alcCloseDevice(device_);
}

void AudioDevice::Render(float* out, int frames) {
    static const auto render =
        reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(device_, "alcRenderSamplesSOFT"));
    render(device_, out, frames);
}
