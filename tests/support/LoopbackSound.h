#pragma once

#include "core/Engine.h"
#include "audio/CueManagerBhv.h"
#include "audio/MusicManager.h"
#include "audio/SoundManager.h"
#include "core/GameObject.h"
#include "platform/AudioDevice.h"

#include <filesystem>

// Swaps the running app's sound for a loopback device whose output tests render and
// inspect. The app's own music and sound managers go first, so that no AL object
// outlives the context it was made in. Returns null (and leaves no sound manager)
// when OpenAL Soft lacks the loopback extension.
inline AudioDevice* UseLoopbackSound(int channels, const std::filesystem::path& sounds = "Content/Sounds") {
    delete Engine::MusicManager;
    Engine::MusicManager = nullptr;
    delete Engine::SoundManager;
    Engine::SoundManager = nullptr;
    auto device = AudioDevice::OpenLoopback(44100, channels);
    if (device == nullptr) {
        return nullptr;
    }
    AudioDevice* output = device.get();
    Engine::SoundManager = new SoundManager(std::move(device), sounds);
    return output;
}

// A started cue manager on a new child of Root; cue objects appear under it.
inline GameObject* AddCueManager() {
    auto* cues = new GameObject();
    cues->AddComponent(new CueManagerBhv());
    Engine::Root->AddChild(cues);
    cues->Behaviors()[0]->Start();
    return cues;
}
