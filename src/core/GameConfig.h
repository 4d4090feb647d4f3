#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Settings read at start-up from "Content/Config/GameConfig.json". The one setting
// says where the development copy of the content lives, so the editor writes into
// the source tree instead of the installed copy.
class GameConfig {
public:
    virtual ~GameConfig() = default;

    std::string DevelopmentContentPath;
    // The installed content, relative to the working directory (the executable's).
    std::filesystem::path ContentDirectory = "Content";

    // Reads the file when it exists; a missing file keeps the defaults. A file that is
    // not JSON or lacks "DevelopmentContentPath" throws a ContentError naming it.
    void Load();

    // Where one kind of content ("Prefabs", "Animations") is read from and saved to:
    // the development copy's directory of that kind when it exists, else the
    // installed one.
    std::filesystem::path DevelopmentDirectory(const std::string& kind) const;

    // Outside development mode the game never writes its shipped content: the editor
    // saves into the player's own copy, UserContentDirectory, whose files are read
    // over the shipped ones of the same name. The game turns this on; tests that save
    // into a scratch Content leave it off. With it on and no user directory, there is
    // nowhere to save.
    bool KeepShippedContent = false;
    std::filesystem::path UserContentDirectory;

    // Where one kind of content is saved: the development copy's directory, else the
    // user's (empty when there is none) while the shipped content is kept, else the
    // installed one.
    std::filesystem::path SaveDirectory(const std::string& kind) const;
    // Where one kind is read from, each directory's files over those of the earlier
    // ones: the development copy's alone, else the installed one then the user's.
    std::vector<std::filesystem::path> ReadDirectories(const std::string& kind) const;

    std::filesystem::path ConfigFile() const { return ContentDirectory / "Config" / "GameConfig.json"; }
};
