#include "audio/Sound.h"

#include <AL/al.h>
#include <sndfile.h>

#include <vector>

std::unique_ptr<Sound> Sound::Load(const std::string& path, bool upload) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) {
        return nullptr;
    }
    if (info.channels < 1 || info.channels > 2 || info.frames <= 0) {
        sf_close(file);
        return nullptr;
    }
    if (!upload) {
        sf_close(file);
        return std::unique_ptr<Sound>(new Sound(0, info.frames));
    }
    std::vector<short> samples(static_cast<std::size_t>(info.frames * info.channels));
    const sf_count_t read = sf_readf_short(file, samples.data(), info.frames);
    sf_close(file);
    if (read <= 0) {
        return nullptr;
    }
    alGetError();  // start from a clean error state: the check below is about this buffer
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    alBufferData(buffer, info.channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16, samples.data(),
                 static_cast<ALsizei>(read * info.channels * sizeof(short)), info.samplerate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer);
        return nullptr;
    }
    return std::unique_ptr<Sound>(new Sound(buffer, read));
}

Sound::~Sound() {
    if (buffer_ != 0) {
        alDeleteBuffers(1, &buffer_);
    }
}
