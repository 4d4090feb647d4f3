#include "game/SoundOptions.h"

#include "audio/MusicManager.h"
#include "audio/SoundManager.h"
#include "audio/VolumeLevels.h"
#include "core/Engine.h"
#include "game/HudMessageFlashBhv.h"
#include "platform/PlayerSettings.h"

namespace SoundOptions {

void Apply(const PlayerSettings& settings) {
    const VolumeLevels levels = VolumeLevels::From(settings);
    if (Engine::SoundManager != nullptr) {
        Engine::SoundManager->ApplyLevels(levels);
    }
    if (Engine::MusicManager != nullptr) {
        Engine::MusicManager->SetGain(levels.MusicGain());
    }
}

void Change(const std::function<void(PlayerSettings&)>& change) {
    const PlayerSettings saved = PlayerSettings::Change([&change](PlayerSettings& settings) {
        // From what is heard, not from the file: one that cannot be written keeps old values.
        if (Engine::SoundManager != nullptr) {
            const VolumeLevels& heard = Engine::SoundManager->Levels();
            settings.MasterVolume = heard.Master;
            settings.MusicVolume = heard.Music;
            settings.EffectsVolume = heard.Effects;
            settings.Mute = heard.Mute;
        }
        change(settings);
    });
    Apply(saved);
}

void ToggleMute() {
    bool muted = false;
    Change([&muted](PlayerSettings& settings) { muted = settings.Mute = !settings.Mute; });
    FlashMessage(muted ? "Sound off" : "Sound on");
}

}  // namespace SoundOptions
