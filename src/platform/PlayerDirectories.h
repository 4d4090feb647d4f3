#pragma once

#include <filesystem>
#include <string>

// The player's own directories, after the XDG base directory rules: each variable
// counts only when it holds an absolute path, else its default under HOME. Every
// one is empty when neither the variable nor HOME is set; what would go there then
// lives only as long as the game runs. The game never writes anywhere else: its own
// directory may be read-only.
class PlayerDirectories {
public:
    // $XDG_CONFIG_HOME/vellimor (~/.config/vellimor): settings and key mappings.
    static std::filesystem::path Config();
    // $XDG_DATA_HOME/vellimor (~/.local/share/vellimor): the user content the editor
    // saves, and screenshots when there is no pictures directory.
    static std::filesystem::path Data();
    // $XDG_STATE_HOME/vellimor (~/.local/state/vellimor): recovery copies, the log and
    // crash reports.
    static std::filesystem::path State();
    // Where F12 puts its pictures: "Vellimor" in the pictures directory that
    // user-dirs.dirs names, else Data()/"Screenshots".
    static std::filesystem::path Screenshots();

    // The path as a player reads it in a message: HOME shown as "~".
    static std::string Readable(const std::filesystem::path& path);

    // The pictures directory that the XDG user-dirs file names; empty when the file or
    // the line is missing, or when it names HOME itself (the way to switch it off).
    static std::filesystem::path PicturesFrom(const std::filesystem::path& userDirsFile,
                                              const std::filesystem::path& home);
};
