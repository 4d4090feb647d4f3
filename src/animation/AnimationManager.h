#pragma once

#include "animation/AnimationData.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>

// Every animation of the animation directory, by file stem (letter case kept).
// Behaviours look their animation up by name on every update, so a reload never
// leaves one holding a deleted animation.
class AnimationManager {
public:
    using AnimationMap = std::map<std::string, std::unique_ptr<AnimationData>>;

    virtual ~AnimationManager() = default;

    // Reads every ".anim" file (extension in any case) of AnimationDirectory against the
    // loaded textures, then replaces the loaded set with them (no directory: none). A
    // file that cannot be used throws a ContentError naming it and its line, and the
    // loaded set stays.
    void LoadAllAnimations();
    void UnloadAllAnimations() { animations_.clear(); }

    // Null when no animation has that name.
    const AnimationData* GetAnimation(const std::string& name) const;
    const AnimationMap& Animations() const { return animations_; }

    // The development copy's "Animations" when the configuration names one that
    // exists, else "Content/Animations".
    std::filesystem::path AnimationDirectory() const;

private:
    AnimationMap animations_;
};
