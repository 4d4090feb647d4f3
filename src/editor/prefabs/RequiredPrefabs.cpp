#include "editor/prefabs/RequiredPrefabs.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// Kept in step with the code that names them; grep for new GameObject(", SpawnParticle(",
// PlayCue(" and PlayLoopedCue(" (cues are "Cue_" + the name) when adding one.
constexpr std::array<std::string_view, 21> kRequired = {
    // roots and objects made by code
    "GameplayRoot", "EditorRoot", "EdSelectionIndicator", "En_Ant", "Seed", "FireLight", "UiTextMenuItem",
    // levels
    "Lvl_Sources", "Lvl_WorkingCopy", "Lvl_TestLevel2",
    // particles
    "Pcl_FireStream", "Pcl_SmokeStream", "Pcl_SmokeStreamLite", "Pcl_SparkleBurst",
    // cues
    "Cue_AntBirth", "Cue_AntEating", "Cue_ButtonClick", "Cue_DebugBlip", "Cue_FireCrackle", "Cue_SeedDrop",
    "Cue_Sizzle",
};

}  // namespace

bool IsRequiredPrefab(const std::string& name) {
    return std::find(kRequired.begin(), kRequired.end(), name) != kRequired.end();
}
