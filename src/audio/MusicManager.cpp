#include "audio/MusicManager.h"

#include "audio/MusicStream.h"
#include "core/ContentFile.h"
#include "core/ContentLog.h"
#include "core/LowerExtension.h"
#include "core/StartupError.h"

#include <AL/al.h>
#include <sndfile.h>

#include <algorithm>

namespace {

MusicMetadata ReadLoopFile(const std::filesystem::path& path, MusicMetadata track) {
    const ContentFile file = ContentFile::ReadJson(path);
    track.LoopStartSample = file.Get<long long>("LoopStartSample");
    track.LoopEndSample = file.Get<long long>("LoopEndSample");
    return track;
}

long long FrameCount(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) {
        return -1;
    }
    sf_close(file);
    return info.frames;
}

// Loop points must lie inside the track with the end not before the start.
void CheckLoop(const std::filesystem::path& loopFile, MusicMetadata& track) {
    const long long frames = FrameCount(track.Path);
    if (frames < 0) {
        return;
    }
    if (track.LoopStartSample < 0 || track.LoopEndSample < track.LoopStartSample || track.LoopEndSample >= frames) {
        ContentLog::Warning(loopFile.string() + ": loop " + std::to_string(track.LoopStartSample) + ".." +
                            std::to_string(track.LoopEndSample) + " does not fit the " + std::to_string(frames) +
                            " samples of " + track.Path + "; the whole track loops");
        track.LoopStartSample = -1;
        track.LoopEndSample = -1;
    }
}

}  // namespace

MusicManager::MusicManager(bool audible, std::filesystem::path musicDirectory) : audible_(audible) {
    Scan(musicDirectory);
    if (audible_) {
        alGenSources(1, &source_);
        alGenBuffers(kBufferCount, buffers_.data());
        // Music is heard the same wherever the listener is.
        alSourcei(source_, AL_SOURCE_RELATIVE, AL_TRUE);
    }
}

MusicManager::~MusicManager() {
    if (audible_) {
        StopCurrent();
        alDeleteSources(1, &source_);
        alDeleteBuffers(kBufferCount, buffers_.data());
    }
}

void MusicManager::Scan(const std::filesystem::path& directory) {
    if (!std::filesystem::is_directory(directory)) {
        throw StartupError("missing the music directory " + std::filesystem::absolute(directory).string());
    }
    std::map<std::string, std::filesystem::path> loopFiles;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        const std::string stem = entry.path().stem().string();
        if (LowerExtension(entry.path()) == ".json") {
            loopFiles[stem] = entry.path();
        } else {
            tracks_[stem] = MusicMetadata{entry.path().string()};
        }
    }
    for (auto& [stem, track] : tracks_) {
        auto loopFile = loopFiles.find(stem);
        if (loopFile != loopFiles.end()) {
            track = ReadLoopFile(loopFile->second, track);
            CheckLoop(loopFile->second, track);
        }
    }
}

void MusicManager::PlayMusic(const std::string& name) {
    auto track = tracks_.find(name);
    if (track == tracks_.end() || !audible_) {
        return;
    }
    StopCurrent();
    stream_ = MusicStream::Open(track->second);
    if (stream_ == nullptr) {
        return;
    }
    int queued = 0;
    while (queued < kBufferCount && Fill(buffers_[queued])) {
        ++queued;
    }
    alSourceQueueBuffers(source_, queued, buffers_.data());
    alSourcePlay(source_);
}

void MusicManager::StopCurrent() {
    alSourceStop(source_);
    alSourcei(source_, AL_BUFFER, 0);  // unqueues every buffer
    stream_.reset();
}

bool MusicManager::Fill(unsigned buffer) {
    const int channels = stream_->Channels();
    scratch_.resize(static_cast<std::size_t>(kFramesPerBuffer * channels));
    const std::size_t frames = stream_->Read(scratch_.data(), kFramesPerBuffer);
    if (frames == 0) {
        return false;
    }
    alBufferData(buffer, channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16, scratch_.data(),
                 static_cast<ALsizei>(frames * static_cast<std::size_t>(channels) * sizeof(short)),
                 stream_->SampleRate());
    return true;
}

void MusicManager::Update() {
    if (!audible_ || stream_ == nullptr) {
        return;
    }
    ALint processed = 0;
    alGetSourcei(source_, AL_BUFFERS_PROCESSED, &processed);
    while (processed-- > 0) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(source_, 1, &buffer);
        if (Fill(buffer)) {
            alSourceQueueBuffers(source_, 1, &buffer);
        }
    }
    // A frame long enough to drain the queue stops the source: start it again.
    ALint state = AL_STOPPED;
    ALint queued = 0;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    alGetSourcei(source_, AL_BUFFERS_QUEUED, &queued);
    if (state != AL_PLAYING && queued > 0) {
        alSourcePlay(source_);
    }
}

void MusicManager::SetGain(float gain) {
    if (audible_) {
        alSourcef(source_, AL_GAIN, gain);
    }
}

bool MusicManager::IsPlaying() const {
    if (!audible_ || stream_ == nullptr) {
        return false;
    }
    ALint state = AL_STOPPED;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}
