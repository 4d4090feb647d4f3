#include "editor/hotreload/HotReloadWatch.h"

#include "core/LowerExtension.h"
#include "core/SourceImageName.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace {

// Subdirectories by name; none when the directory cannot be read.
std::vector<fs::path> SortedSubdirectories(const fs::path& directory) {
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        std::error_code kind;
        if (it->is_directory(kind) && it->path().filename().string()[0] != '.') {
            found.push_back(it->path());
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace

std::vector<WatchedDirectory> HotReloadWatch::List(const fs::path& development, const fs::path& animations) {
    std::vector<WatchedDirectory> directories;
    for (const fs::path& bank : SortedSubdirectories(development / "Textures")) {
        for (const fs::path& atlas : SortedSubdirectories(bank)) {
            directories.push_back({atlas, bank.filename().string() + "/" + atlas.filename().string()});
        }
    }
    directories.push_back({animations, ""});
    return directories;
}

bool HotReloadWatch::IsWatchedImage(const std::string& fileName) {
    return IsPackedImageName(fileName);
}

bool HotReloadWatch::IsWatchedAnimation(const std::string& fileName) {
    return !fileName.empty() && fileName[0] != '.' && LowerExtension(fileName) == ".anim";
}

HotReloadWatch::HotReloadWatch(std::vector<WatchedDirectory> directories) : directories_(std::move(directories)) {
    for (const WatchedDirectory& directory : directories_) {
        auto filter = directory.IsAnimations() ? &HotReloadWatch::IsWatchedAnimation : &HotReloadWatch::IsWatchedImage;
        watchers_.push_back(std::make_unique<DirectoryWatcher>(directory.Path, filter));
    }
}
