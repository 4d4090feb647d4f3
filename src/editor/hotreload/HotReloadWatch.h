#pragma once

#include "platform/DirectoryWatcher.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// One directory of the development content that hot reload watches.
struct WatchedDirectory {
    std::filesystem::path Path;
    // "<Bank>/<Atlas>" for an atlas source directory; empty for the animations.
    std::string Atlas;

    bool IsAnimations() const { return Atlas.empty(); }
};

// The watch state of the hot-reload monitor: its directories and one watcher
// thread for each, joined when the watch goes.
class HotReloadWatch {
public:
    // Every Textures/<Bank>/<Atlas>/ of the development content in name order, then
    // the animations directory.
    static std::vector<WatchedDirectory> List(const std::filesystem::path& development,
                                              const std::filesystem::path& animations);
    // File names whose change counts: what the content build packs into an atlas,
    // and ".anim" files (any letter case) that are not hidden.
    static bool IsWatchedImage(const std::string& fileName);
    static bool IsWatchedAnimation(const std::string& fileName);

    explicit HotReloadWatch(std::vector<WatchedDirectory> directories);

    const std::vector<WatchedDirectory>& Directories() const { return directories_; }
    // Whether directory `index` changed since the last call.
    bool TakeChange(std::size_t index) { return watchers_[index]->TakeChange(); }

private:
    std::vector<WatchedDirectory> directories_;
    std::vector<std::unique_ptr<DirectoryWatcher>> watchers_;
};
