#pragma once

#include <functional>

struct PlayerSettings;

// The player's sound choices: the master, music and effects volumes and mute. A
// change is heard at once and kept in the settings file, read just before and written
// just after, so it never undoes what another writer kept there.
namespace SoundOptions {

// Puts the settings' levels into the sound and music managers (those that exist).
void Apply(const PlayerSettings& settings);
// Reads the settings, lets `change` change them, saves and applies them.
void Change(const std::function<void(PlayerSettings&)>& change);
// The Mute action: mute on or off, said on the HUD's message flash.
void ToggleMute();

}  // namespace SoundOptions
