#include "game/TreePasses.h"
#include "graphics/Pos2dComponent.h"
#include "particles/ParticleManagerBhv.h"
#include "particles/Pcl_EmitContinuousBhv.h"
#include "particles/Pcl_EmitOnceBhv.h"
#include "script/RandomManager.h"
#include "support/PrefabTestContent.h"

#include <algorithm>

namespace {

// Emitters under a "Field" object; their particles ("Dot", long-lived and still) land
// beside them. Frames run the update pass and the deletion phase.
class EmitterTest : public PrefabTestContent {
protected:
    EmitterTest() {
        engine.Make(Engine::RandomManager).Seed(3);
        AddPrefab("Dot", R"({"Components": {"Pos2dComponent": "",
                             "Pcl_SimpleBhv": {"LifespanMin": "100", "LifespanMax": "100"}}, "AutoCreate": ""})");
        field->Name = "Field";
        root.AddChild(field);
    }

    template <class E>
    E* AddEmitter(const std::string& prefab, Vector2 at = {}) {
        auto* emitter = new GameObject();
        emitter->Name = "Emitter";
        emitter->AddComponent(new Pos2dComponent());
        emitter->SetPosition(at);
        auto* behaviour = new E();
        behaviour->ParticlePrefab = prefab;
        emitter->AddComponent(behaviour);
        field->AddChild(emitter);
        return behaviour;
    }

    GameObject* AddManager() {
        auto* object = new GameObject();
        root.AddChild(object);
        auto* manager = new ParticleManagerBhv();
        object->AddComponent(manager);
        manager->Start();
        return object;
    }

    void Frame(float delta) {
        time.DeltaSeconds = delta;
        TreePasses::UpdatePass(&root);
        TreePasses::DeletionPhase();
    }
    std::size_t Dots() const {
        const auto& children = field->Children();
        return static_cast<std::size_t>(
            std::count_if(children.begin(), children.end(), [](const GameObject* c) { return c->Name == "Dot"; }));
    }

    GameObject* field = new GameObject();
};

TEST_F(EmitterTest, AContinuousEmitterKeepsItsRateExactlyAndPlacesParticlesBesideItself) {
    Pcl_EmitContinuousBhv* emitter = AddEmitter<Pcl_EmitContinuousBhv>("Dot", {3.0f, 4.0f});
    for (int i = 0; i < 63; ++i) Frame(1.0f / 60.0f);  // 1.05 s
    EXPECT_EQ(Dots(), 10u);
    EXPECT_EQ(field->Children().back()->GetPosition(), Vector2(3.0f, 4.0f));

    emitter->Owner()->Destroy();
    Pcl_EmitContinuousBhv* fast = AddEmitter<Pcl_EmitContinuousBhv>("Dot");
    fast->ParticlesPerSec = 60.0f;
    Frame(6.0f / 60.0f);
    EXPECT_EQ(Dots(), 16u) << "several particles in one update";
}

TEST_F(EmitterTest, OneUpdateEmitsAtMostTheCapAndLeavesNoBacklog) {
    AddEmitter<Pcl_EmitContinuousBhv>("Dot")->ParticlesPerSec = 600.0f;
    Frame(1.0f);  // a stall: 600 due
    EXPECT_EQ(Dots(), static_cast<std::size_t>(Pcl_EmitContinuousBhv::MaxParticlesPerUpdate));
    Frame(0.1f);  // 60 more due, and no more than that
    EXPECT_EQ(Dots(), Pcl_EmitContinuousBhv::MaxParticlesPerUpdate + 60u);

    AddEmitter<Pcl_EmitOnceBhv>("Dot")->EmitCount = 1000;
    Frame(0.0f);
    EXPECT_EQ(Dots(), 2 * Pcl_EmitContinuousBhv::MaxParticlesPerUpdate + 60u);
}

TEST_F(EmitterTest, AOneShotEmitterBurstsOnceAndGoesEvenWithAWrongPrefab) {
    AddEmitter<Pcl_EmitOnceBhv>("Dot")->EmitCount = 3;
    AddEmitter<Pcl_EmitOnceBhv>("Dto");
    Frame(1.0f / 60.0f);
    EXPECT_EQ(Dots(), 3u);
    EXPECT_EQ(field->FindChild("Emitter"), nullptr) << "both emitters are gone";
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("Dto"), std::string::npos);
}

TEST_F(EmitterTest, AnEmitterWithoutAParentEmitsNothingAndSaysSoOnce) {
    GameObject loose;
    loose.Name = "Loose";
    auto* emitter = new Pcl_EmitContinuousBhv();
    emitter->ParticlePrefab = "Dot";
    loose.AddComponent(emitter);
    time.DeltaSeconds = 1.0f;
    emitter->Update();
    emitter->Update();
    EXPECT_TRUE(loose.Children().empty());
    EXPECT_EQ(warnings.size(), 1u);
}

TEST_F(EmitterTest, SpawnParticleUsesTheCurrentManagerAndWarnsOnceWithoutOne) {
    GameObject* older = AddManager();
    GameObject* current = AddManager();
    GameObject* dot = SpawnParticle("Dot", {1.0f, -2.0f});
    ASSERT_NE(dot, nullptr);
    EXPECT_EQ(dot->Parent(), current) << "the last manager started";
    EXPECT_EQ(dot->GetPosition(), Vector2(1.0f, -2.0f));
    EXPECT_EQ(SpawnParticle("Nothing", {}), nullptr);

    delete older;
    EXPECT_NE(Engine::ParticleManager, nullptr) << "a manager that is no longer current clears nothing";
    delete current;
    EXPECT_EQ(Engine::ParticleManager, nullptr);
    EXPECT_EQ(SpawnParticle("Dot", {}), nullptr);
    EXPECT_EQ(SpawnParticle("Dot", {}), nullptr);
    ASSERT_EQ(warnings.size(), 1u) << "not one per call";
    EXPECT_NE(warnings[0].find("particle manager"), std::string::npos);
}

}  // namespace
