#pragma once

#include <filesystem>
#include <functional>

// The player's own choices, kept between runs in
// $XDG_CONFIG_HOME/vellimor/settings.json (~/.config/vellimor/settings.json when the
// variable is unset). Separate from the game's content: an installed copy may sit in
// a read-only directory.
struct PlayerSettings {
    static constexpr int DefaultWindowWidth = 1280;
    static constexpr int DefaultWindowHeight = 720;
    // Larger than any screen; a remembered size beyond it is a broken file.
    static constexpr int MaxWindowSide = 16384;
    // Volumes are percents in steps of this size, as the options screen sets them.
    static constexpr int VolumeStep = 10;
    static constexpr int MaxVolume = 100;

    bool Fullscreen = false;
    // The window's client size out of fullscreen. A missing pair is the default; a
    // bad or half-missing one too, with one warning, the other settings kept.
    int WindowWidth = DefaultWindowWidth;
    int WindowHeight = DefaultWindowHeight;
    int MasterVolume = MaxVolume;
    int MusicVolume = MaxVolume;
    int EffectsVolume = MaxVolume;
    // Silences everything while keeping the three levels.
    bool Mute = false;
    // Wait for the display's refresh before showing a frame, where the driver can.
    bool VSync = true;

    // Empty when neither XDG_CONFIG_HOME nor HOME is set: the settings then live only
    // as long as the game runs.
    static std::filesystem::path Location();
    // The file's settings; defaults when there is none yet (the first run), and
    // defaults with one warning naming the file when it cannot be read. Each value is
    // read on its own: one that is missing is its default quietly; one of the wrong
    // kind or out of range (a volume that is no multiple of VolumeStep in 0..MaxVolume
    // is refused, not rounded) is its default with one warning naming the file and the
    // key, and the others still count.
    static PlayerSettings Load(const std::filesystem::path& file = Location());
    // What the writers after start-up do: read the file without a word (a bad value is
    // reported once a run, at start-up), let `change` set their own values, and save.
    // Returns the settings as saved.
    static PlayerSettings Change(const std::function<void(PlayerSettings&)>& change,
                                 const std::filesystem::path& file = Location());
    // Replaces the file whole (a crash never leaves half of it); false, with one
    // warning, when it cannot be written.
    bool Save(const std::filesystem::path& file = Location()) const;

    static bool IsVolume(int percent);

private:
    static PlayerSettings Read(const std::filesystem::path& file, bool warn);
};
