#pragma once

#include <filesystem>
#include <string>

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

    std::filesystem::path ConfigFile() const { return ContentDirectory / "Config" / "GameConfig.json"; }
};
