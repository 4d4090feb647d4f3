#pragma once

#include "audio/CueManagerBhv.h"
#include "audio/SoundManager.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "platform/AudioDevice.h"
#include "support/EngineScope.h"

#include <filesystem>

// A sound manager over a loopback device whose output tests render and inspect, in
// Engine::SoundManager until the scope ends (made after the tree, it goes before it,
// so no AL object outlives its context). Returns null (and sets no sound manager)
// when OpenAL Soft lacks the loopback extension.
inline AudioDevice* UseLoopbackSound(EngineScope& engine, int channels,
                                     const std::filesystem::path& sounds = "Content/Sounds") {
    auto device = AudioDevice::OpenLoopback(44100, channels);
    if (device == nullptr) {
        return nullptr;
    }
    AudioDevice* output = device.get();
    engine.Make(Engine::SoundManager, std::move(device), sounds);
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
