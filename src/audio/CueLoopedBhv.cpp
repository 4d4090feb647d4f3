#include "audio/CueLoopedBhv.h"

#include "audio/CueComponent.h"
#include "audio/CuePlayback.h"
#include "core/GameObject.h"

CueLoopedBhv::CueLoopedBhv() {
    AddProperty("SoundName", SoundName);
    AddProperty("Volume", Volume);
    AddProperty("Pitch", Pitch);
}

CueLoopedBhv::~CueLoopedBhv() {
    // Silence only: the object is being deleted already (or loses just this
    // behaviour), so queueing it again would delete it twice.
    if (started_ && CuePlayback::IsPlaying(channel_)) {
        CuePlayback::Stop(channel_);
    }
}

void CueLoopedBhv::Start() {
    if (auto* cue = Owner()->GetComponent<CueComponent>()) {
        cue->Play = [this] { PlayLooped(); };
    }
}

void CueLoopedBhv::PlayLooped() {
    if (auto channel = CuePlayback::Start(SoundName, Volume, Pitch, Pitch != 0.0f, true)) {
        channel_ = *channel;
        started_ = true;
    }
}

void CueLoopedBhv::Update() {
    if (started_ && !CuePlayback::IsPlaying(channel_) && Owner() != nullptr) {
        Owner()->QueueForDeletion();
    }
}

void CueLoopedBhv::StopLoop() {
    if (started_ && CuePlayback::IsPlaying(channel_)) {
        CuePlayback::Stop(channel_);
    }
    if (Owner() != nullptr) {
        Owner()->QueueForDeletion();
    }
}
