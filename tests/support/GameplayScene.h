#pragma once

#include "audio/CueManagerBhv.h"
#include "game/GameplayScreenBhv.h"
#include "game/HudButtonBhv.h"
#include "game/HudRootBhv.h"
#include "game/TreePasses.h"
#include "graphics/DirectionalSpriteLightBhv.h"
#include "graphics/Graphics.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/SpriteComponent.h"
#include "graphics/TintComponent.h"
#include "input/InputConsumer.h"
#include "input/InputManager.h"
#include "physics/B2BodyComponent.h"
#include "physics/B2FixtureComponent.h"
#include "script/RandomManager.h"
#include "support/PrefabTestContent.h"

#include <box2d/b2_world.h>

#include <initializer_list>
#include <string>

// Stands in for what sits above the game (the open editor): takes the pointer and
// the keys when told to.
struct AboveTheGame : InputConsumer {
    bool Pointer = false;
    bool Keys = false;
    void Offer(const InputManager&) override {}
    bool TakesPointer() const override { return Pointer; }
    bool TakesKeys() const override { return Keys; }
};

// A gameplay screen as the content builds it, with its children, the managers it
// reaches and a cue manager whose cues (empty prefabs) stay as its children, so a
// test counts the cues played. Frames run the loop's passes at 0.125 s.
class GameplayScene : public PrefabTestContent {
protected:
    GameplayScene() {
        engine.Make(Engine::World, b2Vec2(0.0f, -10.0f));
        engine.Make(Engine::RandomManager).Seed(7);
        AddPrefab("Lvl_TestLevel2", R"({"Components": "", "AutoCreate": [{"Prefab": "Rock"}, {"Prefab": "Dirt"}]})");
        AddPrefab("Rock", R"({"Components": {"ThingComponent": {"LayeringOrder": "2"}}, "AutoCreate": ""})");
        AddPrefab("Dirt", R"({"Components": "", "AutoCreate": ""})");
        AddPrefab("Seed", R"({"Components": {"Pos2dComponent": "", "ThingComponent": {"LayeringOrder": "1"}},
                              "AutoCreate": ""})");
        AddPrefab("Cue_SeedDrop", R"({"Components": "", "AutoCreate": ""})");
        AddPrefab("Cue_ButtonClick", R"({"Components": "", "AutoCreate": ""})");
        cues = Add(&root, "CueManager");
        Attach<CueManagerBhv>(cues);
        input.AddConsumer(&above);
    }

    // The tree goes while the world its bodies live in is still there.
    ~GameplayScene() override {
        input.RemoveConsumer(&above);
        TreePasses::DeletionPhase();
        while (!root.Children().empty()) delete root.Children().back();
    }

    GameObject* Add(GameObject* parent, const std::string& name) {
        auto* object = new GameObject();
        object->Name = name;
        parent->AddChild(object);
        return object;
    }
    // A new T on the object; a behaviour is started, as prefab instancing does.
    template <class T>
    T* Attach(GameObject* object) {
        auto* behaviour = new T();
        object->AddComponent(behaviour);
        if constexpr (std::is_base_of_v<Behavior, T>) behaviour->Start();
        return behaviour;
    }

    // The screen with the children it drives: lights with position, tint and sprite
    // (the directional light reads its sprite), and the glass.
    GameplayScreenBhv* AddScreen(std::initializer_list<const char*> children = {"FullScreenLight", "TestLight",
                                                                                "MagnifyingGlass"}) {
        GameObject* object = Add(&root, "Screen");
        for (const char* name : children) {
            GameObject* child = Add(object, name);
            Attach<Pos2dComponent>(child);
            Attach<TintComponent>(child);
            Attach<SpriteComponent>(child);
        }
        if (GameObject* light = object->FindChild("FullScreenLight")) {
            Attach<DirectionalSpriteLightBhv>(light);
        }
        screen = new GameplayScreenBhv();
        object->AddComponent(screen);
        screen->Start();
        return screen;
    }

    // A button of the HUD: a sprite of `size` pixels with its top-left corner at `at`.
    GameObject* AddButton(GameObject* hud, const std::string& name, Vector2 at, Vector2 size) {
        GameObject* button = Add(hud, name);
        Attach<Pos2dComponent>(button)->Pos = at + size * 0.5f;
        Attach<SpriteComponent>(button)->Size = size;
        Attach<TintComponent>(button);
        Attach<HudButtonBhv>(button)->SelectedTint = Color{255, 200, 0, 255};
        return button;
    }
    // Four 64-pixel buttons in a row from (0, 0): day/night, feed, examine, light.
    HudRootBhv* AddHud() {
        hud = Add(&root, "Hud");
        float x = 0.0f;
        for (const char* name : {"BtnDayNight", "BtnFeed", "BtnExamine", "BtnLight"}) {
            AddButton(hud, name, {x, 0.0f}, {64.0f, 64.0f});
            x += 64.0f;
        }
        return Attach<HudRootBhv>(hud);
    }

    // A static body at `at` with one fixture, the way prefabs build one.
    GameObject* AddSolid(GameObject* parent, const std::string& prefabName, Vector2 at, const std::string& shape) {
        GameObject* object = Add(parent, prefabName);
        object->PrefabName = prefabName;
        auto* body = Attach<B2BodyComponent>(object);
        body->SetPosition(at);
        Attach<B2FixtureComponent>(object)->SetShapeText(shape);
        return object;
    }

    // The cursor at a world point (the world camera: 32 pixels a unit, origin at the centre).
    void PointAtWorld(Vector2 p) { input.Cursor = Vector2(640.0f + p.x * 32.0f, 360.0f - p.y * 32.0f); }
    void Hold(int key) { input.CurrentKeys.set(key); }
    void Release(int key) { input.CurrentKeys.reset(key); }

    // One frame of the loop; the keys set before it are this frame's poll.
    void Frame(float delta = 0.125f) {
        time.DeltaSeconds = delta;
        time.TotalSeconds += delta;
        TreePasses::InputPass(&root);
        TreePasses::UpdatePass(&root);
        TreePasses::DeletionPhase();
        input.Update();
    }

    std::size_t CuesPlayed(const std::string& name) const {
        std::size_t count = 0;
        for (const GameObject* cue : cues->Children()) count += cue->Name == "Cue_" + name;
        return count;
    }
    GameObject* Child(const char* name) const { return screen->Owner()->FindChild(name); }
    std::vector<std::string> LevelNames() const {
        std::vector<std::string> names;
        for (const GameObject* child : Child("Level")->Children()) names.push_back(child->Name);
        return names;
    }

    Graphics& graphics = engine.Make(Engine::Graphics);
    InputManager& input = engine.Make(Engine::InputManager);
    AboveTheGame above;
    GameObject* cues = nullptr;
    GameObject* hud = nullptr;
    GameplayScreenBhv* screen = nullptr;
};
