#include "game/GameplayScreenBhv.h"

#include "audio/CueManagerBhv.h"
#include "audio/MusicManager.h"
#include "core/ContentLog.h"
#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "core/LongWork.h"
#include "game/HudMessageFlashBhv.h"
#include "game/HudRootBhv.h"
#include "game/ThingComponent.h"
#include "graphics/DirectionalSpriteLightBhv.h"
#include "graphics/Graphics.h"
#include "graphics/SpriteComponent.h"
#include "graphics/TintComponent.h"
#include "input/InputManager.h"
#include "particles/ParticleManagerBhv.h"
#include "particles/Pcl_LifetimeBhv.h"
#include "physics/B2FixtureComponent.h"
#include "physics/FixtureQueries.h"
#include "script/RandomManager.h"

#include <cstdint>
#include <functional>
#include <numbers>
#include <vector>

namespace {

// Reads and writes one of the frame pipeline's settings in the Graphics record, or
// the screen's own copy while there is none.
template <class T>
std::function<T()> GraphicsGetter(T Graphics::*field, const T& fallback) {
    return [field, &fallback] { return Engine::Graphics != nullptr ? Engine::Graphics->*field : fallback; };
}

template <class T>
std::function<void(T)> GraphicsSetter(T Graphics::*field, T& fallback) {
    return [field, &fallback](T value) {
        fallback = value;
        if (Engine::Graphics != nullptr) {
            Engine::Graphics->*field = value;
        }
    };
}

// s = base + factor * (1 - a / d) on alpha fractions: the darker the ambient light
// against full day, the stronger the flashlight. A day alpha of 0 counts as fully
// dimmed rather than dividing by zero; s is kept to 0 ... 1.
std::uint8_t FlashlightAlpha(float base, float factor, std::uint8_t ambientAlpha, std::uint8_t dayAlpha) {
    const float dimming = dayAlpha == 0 ? 1.0f : 1.0f - (ambientAlpha / 255.0f) / (dayAlpha / 255.0f);
    const float strength = base + factor * dimming;
    const float clamped = strength > 0.0f ? (strength < 1.0f ? strength : 1.0f) : 0.0f;  // NaN to 0
    return static_cast<std::uint8_t>(clamped * 255.0f);
}

int LayeringOrder(const GameObject* object) {
    return object->Thing() != nullptr ? object->Thing()->LayeringOrder : 0;
}

}  // namespace

GameplayScreenBhv::GameplayScreenBhv() {
    AddProperties();
}

void GameplayScreenBhv::AddProperties() {
    AddProxy<Color>("BackgroundColor", GraphicsGetter(&Graphics::BackgroundColor, backgroundColor_),
                    GraphicsSetter(&Graphics::BackgroundColor, backgroundColor_));
    AddProxy<float>("ShadowSpread", GraphicsGetter(&Graphics::ShadowSpread, shadowSpread_),
                    GraphicsSetter(&Graphics::ShadowSpread, shadowSpread_));
    AddProxy<float>("ShadowDarkness", GraphicsGetter(&Graphics::ShadowDarkness, shadowDarkness_),
                    GraphicsSetter(&Graphics::ShadowDarkness, shadowDarkness_));
    DayNightSettings& cycle = DayNight.Settings;
    AddProperty("DayColor", cycle.DayColor);
    AddProperty("NightColor", cycle.NightColor);
    AddProperty("DuskDawnColor", cycle.DuskDawnColor);
    AddProperty("DuskTransitionTime", cycle.DuskTransitionTime);
    AddProperty("NightTransitionTime", cycle.NightTransitionTime);
    AddProperty("DayLightDir", cycle.DayLightDir);
    AddProperty("DuskLightDir", cycle.DuskLightDir);
    AddProperty("NightLightDir", cycle.NightLightDir);
    AddProperty("DawnLightDir", cycle.DawnLightDir);
    AddProperty("FlashlightBase", FlashlightBase);
    AddProperty("FlashlightFactor", FlashlightFactor);
    AddProperty("SeedDropInterval", SeedDropInterval);
}

GameplayScreenBhv::~GameplayScreenBhv() {
    if (Engine::GameplayScreen == this) {
        Engine::GameplayScreen = nullptr;
    }
}

void GameplayScreenBhv::Start() {
    Engine::GameplayScreen = this;
    LoadLevel("Lvl_TestLevel2");
    if (Engine::MusicManager != nullptr) {
        Engine::MusicManager->PlayMusic("AmbientWeirdness");
    }
}

void GameplayScreenBhv::LoadLevel(const std::string& prefabName) {
    const LongWork loading;  // a large level takes longer than a frame
    GameObject* screen = Owner();
    if (screen == nullptr) {
        return;
    }
    if (GameObject* old = screen->FindChild("Level")) {
        old->Destroy();
    }
    auto* level = new GameObject(prefabName);
    level->Name = "Level";
    screen->InsertChild(0, level);
    SortPending = true;
}

void GameplayScreenBhv::HandleInput() {
    const InputManager* input = Engine::InputManager;
    const Vector2 mouse = input != nullptr ? input->CursorInWorld() : Vector2();
    if (GameObject* testLight = RequiredChild("TestLight")) {
        testLight->SetPosition(mouse);  // the flashlight follows the mouse even while hidden
    }
    if (Tool == ToolFeed && input != nullptr && input->IsKeyDown(KeyLeftMouse)) {
        StartCoroutine(&GameplayScreenBhv::DropSeeds);
    } else {
        StopCoroutine(&GameplayScreenBhv::DropSeeds);
    }
    if (input != nullptr && input->IsActionPressed(ActionFireStream)) {
        LightFire(mouse);
    }
}

void GameplayScreenBhv::LightFire(Vector2 at) {
    if (GameObject* stream = SpawnParticle("Pcl_FireStream", at)) {
        auto* lifetime = new Pcl_LifetimeBhv();
        lifetime->Seconds = SpaceFireSeconds;
        stream->AddComponent(lifetime);
    }
}

void GameplayScreenBhv::Update() {
    if (SortPending) {
        SortLevel();
    }
    GameObject* testLight = RequiredChild("TestLight");
    ShowTools(testLight);
    RunDayNightCycle(testLight);
}

void GameplayScreenBhv::SortLevel() {
    if (GameObject* level = Owner() != nullptr ? Owner()->FindChild("Level") : nullptr) {
        level->SortChildren([](const GameObject* a, const GameObject* b) { return LayeringOrder(a) < LayeringOrder(b); });
    }
    SortPending = false;
}

void GameplayScreenBhv::ShowTools(GameObject* testLight) {
    if (testLight != nullptr) {
        testLight->DrawEnabled = Tool == ToolLight;
    }
    if (GameObject* glass = RequiredChild("MagnifyingGlass")) {
        const bool examining = Tool == ToolExamine;
        glass->InputEnabled = examining;
        glass->UpdateEnabled = examining;
        glass->DrawEnabled = examining;
    }
}

// The player is told when night has fallen and when day is back.
void GameplayScreenBhv::AnnouncePhase(int phaseBefore) const {
    if (DayNight.Phase == phaseBefore) {
        return;
    }
    if (DayNight.Phase == PhaseNight) {
        FlashMessage("Night falls");
    } else if (DayNight.Phase == PhaseDay) {
        FlashMessage("Day breaks");
    }
}

void GameplayScreenBhv::RunDayNightCycle(GameObject* testLight) {
    const float delta = Engine::FrameTime != nullptr ? Engine::FrameTime->DeltaSeconds : 0.0f;
    const int phaseBefore = DayNight.Phase;
    const AmbientLight ambient = DayNight.Step(delta);
    AnnouncePhase(phaseBefore);
    if (GameObject* light = RequiredChild("FullScreenLight")) {
        if (TintComponent* tint = light->Tint()) {
            tint->Tint = ambient.Colour;
        } else {
            WarnOnce("\"FullScreenLight\" has no TintComponent; the ambient colour is not set");
        }
        if (auto* directional = light->GetComponent<DirectionalSpriteLightBhv>()) {
            directional->SetDirection(ambient.Direction);
        } else {
            WarnOnce("\"FullScreenLight\" has no DirectionalSpriteLightBhv; the light direction is not set");
        }
    }
    if (testLight != nullptr) {
        SetFlashlightStrength(testLight, ambient.Colour);
    }
}

void GameplayScreenBhv::SetFlashlightStrength(GameObject* testLight, Color ambient) {
    TintComponent* tint = testLight->Tint();
    if (tint == nullptr) {
        WarnOnce("\"TestLight\" has no TintComponent; the flashlight strength is not set");
        return;
    }
    tint->Tint.a = FlashlightAlpha(FlashlightBase, FlashlightFactor, ambient.a, DayNight.Settings.DayColor.a);
}

CoCommand GameplayScreenBhv::DropSeeds(int resumePoint) {
    COROUTINE_IDENTITY(resumePoint);
    switch (resumePoint) {
        case 0:
            TryDropSeed();
            return CoCommand::WaitSeconds(SeedDropInterval);
        default:
            return CoCommand::Restart();
    }
}

void GameplayScreenBhv::TryDropSeed() {
    RandomManager* random = Engine::RandomManager;
    GameObject* level = Owner() != nullptr ? Owner()->FindChild("Level") : nullptr;
    if (random == nullptr || level == nullptr || Engine::InputManager == nullptr) {
        return;
    }
    const Vector2 offset = random->RandomDirection() * random->RandomFloat(0.0f, SeedScatter);
    const Vector2 point = Engine::InputManager->CursorInWorld() + offset;
    const bool overHud = Engine::HudRoot != nullptr && Engine::HudRoot->IsMouseOverHud();
    if (overHud || Engine::InputManager->IsPointerTaken() || IsDropBlocked(point)) {
        return;
    }
    auto* seed = new GameObject("Seed");
    level->AddChild(seed);  // placed after joining the level, so `point` is where it lands
    seed->SetPosition(point);
    seed->SetRotation(random->RandomFloat(-std::numbers::pi_v<float>, std::numbers::pi_v<float>));
    // The prefab shows one seed; each drop picks one of the three seed images.
    if (SpriteComponent* sprite = seed->Sprite()) {
        sprite->SetImageName("Seed" + std::to_string(random->RandomInt(1u, 3u)));
    }
    PlayCue("SeedDrop");
    SortPending = true;
}

bool GameplayScreenBhv::IsDropBlocked(Vector2 point) const {
    std::vector<B2FixtureComponent*> found;
    QueryFixturesInSquare(found, SeedClearance, point.x, point.y);
    for (const B2FixtureComponent* fixture : found) {
        // Seeds may fall onto ants; anything else solid is in the way.
        if (fixture->Owner() != nullptr && fixture->Owner()->PrefabName != "En_Ant") {
            return true;
        }
    }
    return false;
}

GameObject* GameplayScreenBhv::RequiredChild(const std::string& name) {
    GameObject* child = Owner() != nullptr ? Owner()->FindChild(name) : nullptr;
    if (child == nullptr && Owner() != nullptr) {
        WarnOnce("gameplay screen \"" + Owner()->Name + "\" has no child \"" + name + "\"; what it drives is skipped");
    }
    return child;
}

void GameplayScreenBhv::WarnOnce(const std::string& text) {
    if (warned_.insert(text).second) {
        ContentLog::Warning(text);
    }
}
