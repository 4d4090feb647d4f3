#pragma once

#include "SourceChecks.h"

#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <vector>

// The development content build: turns the source tree (content/) into the
// Content directory the game reads. Atlases are packed, fonts baked, and
// Config, Prefabs, Animations, Sounds and Music mirrored. Each step runs only
// when one of its inputs is newer than its outputs; each item built prints one
// line. A bad source throws ContentError naming the file.
class ContentBuild {
public:
    struct Options {
        std::filesystem::path Source;
        std::filesystem::path Output;
        // When set, Config/GameConfig.json points the game at this source tree.
        std::filesystem::path DevelopmentPath;
        // Outputs older than this are rebuilt (the build program itself changed).
        std::filesystem::file_time_type NotBefore = std::filesystem::file_time_type::min();
        std::ostream* Log = nullptr;
        // "<Bank>/<Atlas>": pack that one atlas, whatever its times, and nothing
        // else (hot reload rebuilds only the directory that changed).
        std::string OnlyAtlas;
    };

    explicit ContentBuild(Options options);

    // Returns the number of items built.
    int Run();

    static const std::vector<std::string>& Directories();

private:
    void BuildTextureBank(const std::filesystem::path& sourceBank);
    void BuildOnlyAtlas();
    // Packs one atlas directory into the output bank unless it is up to date;
    // returns the names of the files it stands for (none without images).
    std::vector<std::string> BuildAtlas(const std::filesystem::path& sourceAtlas,
                                        const std::filesystem::path& outputBank, bool force);
    void BuildFontBank(const std::filesystem::path& sourceBank);
    void MirrorDirectory(const std::string& name);
    void WriteGameConfig();
    void RemoveStaleFiles(const std::filesystem::path& directory, const std::set<std::string>& keep);
    bool IsUpToDate(const std::vector<std::filesystem::path>& inputs,
                    const std::vector<std::filesystem::path>& outputs) const;
    void Report(const std::string& line);
    std::string Relative(const std::filesystem::path& outputPath) const;

    Options options_;
    TextureImages textures_;  // gathered while packing, for checking animations
    int built_ = 0;
};
