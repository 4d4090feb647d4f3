#include "animation/AnimationManager.h"

#include "animation/AnimationReader.h"
#include "core/ContentError.h"
#include "core/ContentLog.h"
#include "core/Engine.h"
#include "core/GameConfig.h"
#include "core/LowerExtension.h"
#include "graphics/Graphics.h"
#include "graphics/TextureManager.h"

#include <algorithm>
#include <vector>

namespace {

// Sorted, so that of two files with one stem ("Walk.anim", "Walk.ANIM") the same one
// wins every time. No directory means no animations, as a bank without one is empty.
std::vector<std::filesystem::path> AnimationFiles(const std::filesystem::path& directory) {
    std::vector<std::filesystem::path> files;
    std::error_code missing;
    if (!std::filesystem::exists(directory, missing)) {
        return files;
    }
    try {
        for (const auto& entry : std::filesystem::directory_iterator(directory)) {
            std::error_code error;
            if (entry.is_regular_file(error) && LowerExtension(entry.path()) == ".anim") {
                files.push_back(entry.path());
            }
        }
    } catch (const std::filesystem::filesystem_error& e) {
        throw ContentError(directory, e.code().message());
    }
    std::sort(files.begin(), files.end());
    return files;
}

AnimationReader GameReader() {
    auto texture = [](const std::string& name) -> Texture* {
        return Engine::TextureManager != nullptr ? Engine::TextureManager->GetTexture(name) : nullptr;
    };
    const int frameRate = Engine::Graphics != nullptr ? Engine::Graphics->FrameRate : 60;
    auto warn = [](const std::filesystem::path& file, int line, const std::string& what) {
        ContentLog::Warning(file.string() + ":" + std::to_string(line) + ": " + what + "; the frame keeps the sprite's image");
    };
    return AnimationReader(texture, frameRate, warn);
}

}  // namespace

void AnimationManager::LoadAllAnimations() {
    const AnimationReader reader = GameReader();
    AnimationMap loaded;
    for (const std::filesystem::path& file : AnimationFiles(AnimationDirectory())) {
        loaded[file.stem().string()] = reader.ReadFile(file);
    }
    animations_.swap(loaded);
}

const AnimationData* AnimationManager::GetAnimation(const std::string& name) const {
    const auto found = animations_.find(name);
    return found != animations_.end() ? found->second.get() : nullptr;
}

std::filesystem::path AnimationManager::AnimationDirectory() const {
    if (Engine::GameConfig != nullptr) {
        return Engine::GameConfig->DevelopmentDirectory("Animations");
    }
    return std::filesystem::path("Content") / "Animations";
}
