#pragma once

#include "core/Behavior.h"
#include "core/Color.h"
#include "core/Vector2.h"
#include "game/DayNightCycle.h"

#include <set>
#include <string>

// The player's tools, as the HUD selects them and the ants read them.
enum GameTool : int { ToolFeed = 0, ToolExamine = 1, ToolLight = 2, ToolNone = 3 };

// Runs the play field: loads the level as the child "Level", starts the ambient
// music, moves the ambient light ("FullScreenLight") through the day/night cycle,
// drives the tools (seeds, the magnifying glass, the flashlight "TestLight") and
// keeps the level's children in layering order. The last one started is
// Engine::GameplayScreen.
//
// A missing child, or one without the component a step needs, skips that step with
// one warning naming it.
class GameplayScreenBhv : public Behavior {
public:
    static constexpr float SeedClearance = 0.15f;  // half-size of the square a seed needs
    static constexpr float SeedScatter = 1.5f;     // seeds land up to this far from the cursor
    // The Space key's fire stream burns this long (game seconds); a continuous
    // emitter would burn for ever and the field would fill with streams.
    static constexpr float SpaceFireSeconds = 1.5f;

    GameplayScreenBhv();
    ~GameplayScreenBhv() override;

    void Start() override;
    void HandleInput() override;
    void Update() override;

    // Replaces the child "Level" by an instance of the prefab, put first so that it is
    // drawn under the screen's other children. An unknown prefab gives an empty level.
    void LoadLevel(const std::string& prefabName);
    // The day/night button: day starts dusk, night starts dawn. False, changing
    // nothing, during a transition.
    bool ToggleDayNight() { return DayNight.Toggle(); }
    int Phase() const { return DayNight.Phase; }

    DayNightCycle DayNight;
    float FlashlightBase = 0.2f;
    float FlashlightFactor = 0.7f;
    float SeedDropInterval = 0.25f;
    int Tool = ToolNone;
    // The level's children are re-sorted by layering order at the next update.
    bool SortPending = false;

private:
    void AddProperties();
    void SortLevel();
    void ShowTools(GameObject* testLight);
    void RunDayNightCycle(GameObject* testLight);
    void AnnouncePhase(int phaseBefore) const;
    void SetFlashlightStrength(GameObject* testLight, Color ambient);

    CoCommand DropSeeds(int resumePoint);
    void TryDropSeed();
    bool IsDropBlocked(Vector2 point) const;
    void LightFire(Vector2 at);

    // The named child; null, with a warning the first time, when it is missing.
    GameObject* RequiredChild(const std::string& name);
    void WarnOnce(const std::string& text);

    // The frame pipeline's settings while there is no Graphics record (prototypes,
    // tests); with one, the properties read and write the record itself.
    Color backgroundColor_{0, 0, 0, 255};
    float shadowSpread_ = 1.5f;
    float shadowDarkness_ = 1.5f;
    std::set<std::string> warned_;
};
