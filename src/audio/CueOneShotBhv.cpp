#include "audio/CueOneShotBhv.h"

#include "audio/CueComponent.h"
#include "audio/CuePlayback.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "script/RandomManager.h"

CueOneShotBhv::CueOneShotBhv() {
    AddProperty("SoundName", SoundName);
    AddProperty("Volume", Volume);
    AddProperty("Pitch", Pitch);
    AddProperty("PitchVariation", PitchVariation);
}

void CueOneShotBhv::Start() {
    if (auto* cue = Owner()->GetComponent<CueComponent>()) {
        cue->Play = [this] { PlayOnce(); };
    }
}

void CueOneShotBhv::PlayOnce() {
    const bool pitched = Pitch != 0.0f || PitchVariation != 0.0f;
    float semitones = Pitch;
    if (PitchVariation != 0.0f && Engine::RandomManager != nullptr) {
        semitones += Engine::RandomManager->RandomFloat(-PitchVariation, PitchVariation);
    }
    if (auto channel = CuePlayback::Start(SoundName, Volume, semitones, pitched, false)) {
        channel_ = *channel;
        played_ = true;
    }
}

void CueOneShotBhv::Update() {
    if (played_ && !CuePlayback::IsPlaying(channel_) && Owner() != nullptr) {
        Owner()->QueueForDeletion();
    }
}
