#pragma once

#include "app/GameApp.h"
#include "game/TreePasses.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "physics/B2BodyComponent.h"
#include "physics/B2FixtureComponent.h"
#include "support/EngineScope.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Property access by text, as prefabs and the editor do it.
inline std::string GetText(IEditable& editable, const std::string& name, int sub = 0) {
    return editable.FindProperty(name)->GetSubProperty(name, sub).ToText();
}
inline void SetText(IEditable& editable, const std::string& name, const std::string& text, int sub = 0) {
    editable.FindProperty(name)->GetSubProperty(name, sub).FromText(text);
}

// A GameApp (and so a world with gravity (0, -10)) with a GameplayRoot under Root, and
// helpers that build bodies the way prefabs do.
class PhysicsTest : public ::testing::Test {
protected:
    PhysicsTest() {
        gameplayRoot = new GameObject();
        gameplayRoot->Name = "GameplayRoot";
        Engine::Root->AddChild(gameplayRoot);
        engine.Use(Engine::GameplayRoot, gameplayRoot);
    }

    // An object under `parent` with a body of `type` at `at` and one fixture per shape.
    GameObject* AddBody(GameObject* parent, int type, Vector2 at, const std::vector<std::string>& shapes,
                        const std::string& name = "Body") {
        auto* object = new GameObject();
        object->Name = name;
        auto* body = new B2BodyComponent();
        object->AddComponent(body);
        SetText(*body, "Type", std::to_string(type));
        body->SetPosition(at);
        for (const std::string& shape : shapes) {
            auto* fixture = new B2FixtureComponent();
            object->AddComponent(fixture);
            SetText(*fixture, "Shape", shape);
        }
        parent->AddChild(object);
        return object;
    }
    static B2FixtureComponent* FixtureOf(GameObject* object, std::size_t n = 0) {
        std::size_t seen = 0;
        for (Component* c : object->Components()) {
            if (auto* fixture = dynamic_cast<B2FixtureComponent*>(c); fixture != nullptr && seen++ == n) {
                return fixture;
            }
        }
        return nullptr;
    }
    void Step(int frames = 1) {
        for (int i = 0; i < frames; ++i) {
            TreePasses::PhysicsActivePass(Engine::GameplayRoot, true);
            TreePasses::PhysicsStep(1.0f / 60.0f);
        }
    }

    GameApp app;
    EngineScope engine;
    b2World& world = *Engine::World;
    GameObject* gameplayRoot = nullptr;
};
