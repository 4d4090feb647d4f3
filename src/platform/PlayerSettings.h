#pragma once

#include <filesystem>

// The player's own choices, kept between runs in
// $XDG_CONFIG_HOME/vellimor/settings.json (~/.config/vellimor/settings.json when the
// variable is unset). Separate from the game's content: an installed copy may sit in
// a read-only directory.
struct PlayerSettings {
    static constexpr int DefaultWindowWidth = 1280;
    static constexpr int DefaultWindowHeight = 720;
    // Larger than any screen; a remembered size beyond it is a broken file.
    static constexpr int MaxWindowSide = 16384;

    bool Fullscreen = false;
    // The window's client size out of fullscreen. A missing pair is the default; a
    // bad or half-missing one too, with one warning, the other settings kept.
    int WindowWidth = DefaultWindowWidth;
    int WindowHeight = DefaultWindowHeight;

    // Empty when neither XDG_CONFIG_HOME nor HOME is set: the settings then live only
    // as long as the game runs.
    static std::filesystem::path Location();
    // The file's settings; defaults when there is none yet (the first run), and
    // defaults with one warning naming the file when it cannot be read.
    static PlayerSettings Load(const std::filesystem::path& file = Location());
    // Replaces the file whole (a crash never leaves half of it); false, with one
    // warning, when it cannot be written.
    bool Save(const std::filesystem::path& file = Location()) const;
};
