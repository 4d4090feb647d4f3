#include "audio/SoundManager.h"

#include "audio/ChannelPool.h"
#include "core/ContentLog.h"
#include "platform/AudioDevice.h"

#include <AL/al.h>

namespace {

std::unique_ptr<AudioDevice> OpenDefaultOrSayWhy() {
    std::string whyNot;
    auto device = AudioDevice::OpenDefault(whyNot);
    if (device == nullptr) {
        ContentLog::Warning(whyNot + "; running without sound");
    }
    return device;
}

}  // namespace

SoundManager::SoundManager() : SoundManager(OpenDefaultOrSayWhy()) {}

SoundManager::SoundManager(std::unique_ptr<AudioDevice> device, std::filesystem::path soundsDirectory)
    : device_(std::move(device)), soundsDirectory_(std::move(soundsDirectory)) {
    if (device_ != nullptr) {
        channels_ = std::make_unique<ChannelPool>();
    }
}

SoundManager::~SoundManager() {
    // Sources let go of their buffers before the buffers go, and both before the
    // context that owns them.
    channels_.reset();
    banks_.clear();
    device_.reset();
}

void SoundManager::LoadBank(const std::string& bank) {
    if (banks_.count(bank) != 0) {
        return;
    }
    auto& sounds = banks_.emplace(bank, std::make_unique<SoundBank>()).first->second->Sounds;
    for (const auto& entry : std::filesystem::directory_iterator(soundsDirectory_ / bank)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        if (auto sound = Sound::Load(entry.path().string(), !IsSilent())) {
            sounds[entry.path().stem().string()] = std::move(sound);
        }
    }
}

void SoundManager::UnloadBank(const std::string& bank) {
    auto found = banks_.find(bank);
    if (found == banks_.end()) {
        return;
    }
    if (channels_ != nullptr) {
        for (const auto& [name, sound] : found->second->Sounds) {
            channels_->Release(*sound);
        }
    }
    banks_.erase(found);
}

Sound* SoundManager::FindSound(const std::string& name) const {
    for (const auto& [bankName, bank] : banks_) {
        auto found = bank->Sounds.find(name);
        if (found != bank->Sounds.end()) {
            return found->second.get();
        }
    }
    return nullptr;
}

SoundChannel SoundManager::Play(const Sound& sound, bool paused) {
    if (channels_ == nullptr) {
        return {};
    }
    return channels_->Start(sound, paused);
}

void SoundManager::ApplyLevels(const VolumeLevels& levels) {
    levels_ = levels;
    if (device_ == nullptr) {
        return;
    }
    alListenerf(AL_GAIN, levels.ListenerGain());
    channels_->SetEffectsGain(levels.EffectsGain());
}
