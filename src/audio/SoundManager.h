#pragma once

#include "audio/SoundBank.h"
#include "audio/SoundChannel.h"
#include "audio/VolumeLevels.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>

class AudioDevice;
class ChannelPool;
class Sound;

// Owns the audio device, the channel pool and the loaded sound banks. Without an
// audio device the game runs silent: banks still know their sounds by name, every
// play gives a channel that reports "not playing", so cues still clean up.
class SoundManager {
public:
    // Opens the default device; says so in one log warning when there is none.
    SoundManager();
    // Takes the given device (a loopback one in tests); null means silent.
    explicit SoundManager(std::unique_ptr<AudioDevice> device,
                          std::filesystem::path soundsDirectory = "Content/Sounds");
    ~SoundManager();
    SoundManager(const SoundManager&) = delete;
    SoundManager& operator=(const SoundManager&) = delete;

    // Loads every decodable regular file of "<sounds>/<bank>" under its stem. A bank
    // already loaded is left alone; a missing directory raises an error naming it.
    void LoadBank(const std::string& bank);
    void UnloadBank(const std::string& bank);
    // The first sound of that exact name, walking the banks in name order.
    Sound* FindSound(const std::string& name) const;

    bool IsSilent() const { return device_ == nullptr; }
    AudioDevice* Device() const { return device_.get(); }
    ChannelPool* Channels() const { return channels_.get(); }

    // The master level (or silence while muted) on the listener, the effects level
    // on every channel; the music's level is the music manager's. The levels are kept
    // when running silent too, so the options screen shows what was chosen.
    void ApplyLevels(const VolumeLevels& levels);
    const VolumeLevels& Levels() const { return levels_; }

    // Starts `sound` on a free channel; an invalid channel when running silent.
    SoundChannel Play(const Sound& sound, bool paused);

private:
    std::unique_ptr<AudioDevice> device_;
    std::unique_ptr<ChannelPool> channels_;
    std::filesystem::path soundsDirectory_;
    std::map<std::string, std::unique_ptr<SoundBank>> banks_;
    VolumeLevels levels_;
};
