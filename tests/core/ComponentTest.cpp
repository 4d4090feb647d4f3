#include "core/DeletionQueues.h"
#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "game/TreePasses.h"
#include "support/EngineScope.h"
#include "support/RecordingBehavior.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

class ComponentTest : public ::testing::Test {
protected:
    Log log;  // outlives the tree, whose behaviours write into it as they go
    EngineScope engine;
    DeletionQueues& deletions = engine.Make(Engine::Deletions);
    FrameTime& time = engine.Make(Engine::FrameTime);
    GameObject& root = engine.Make(Engine::Root);
};

TEST_F(ComponentTest, MoveInOwnerClampsAndReportsWhetherItMoved) {
    GameObject object;
    Component* c[4];
    for (auto& entry : c) {
        entry = new RecordingComponent(log, "c");
        object.AddComponent(entry);
    }
    EXPECT_TRUE(c[2]->MoveInOwner(+5));
    EXPECT_EQ(object.Components(), (std::vector<Component*>{c[0], c[1], c[3], c[2]}));
    EXPECT_FALSE(c[2]->MoveInOwner(+1));
    EXPECT_EQ(object.Components(), (std::vector<Component*>{c[0], c[1], c[3], c[2]}));
    EXPECT_TRUE(c[3]->MoveInOwner(-10));
    EXPECT_EQ(object.Components(), (std::vector<Component*>{c[3], c[0], c[1], c[2]}));
}

TEST_F(ComponentTest, MoveInOwnerMovesABehaviorAmongBehaviorsByTheSameOffset) {
    GameObject object;
    auto* plain = new RecordingComponent(log, "plain");
    auto* a = new RecordingBehavior(log, "a");
    auto* b = new RecordingBehavior(log, "b");
    object.AddComponent(a);
    object.AddComponent(plain);
    object.AddComponent(b);
    EXPECT_TRUE(b->MoveInOwner(-2));
    EXPECT_EQ(object.Components(), (std::vector<Component*>{b, a, plain}));
    EXPECT_EQ(object.Behaviors(), (std::vector<Behavior*>{b, a}));
}

TEST_F(ComponentTest, QueuedBehaviorStillUpdatesThisFrameAndIsDeletedAfterwards) {
    auto* object = new GameObject();
    root.AddChild(object);
    auto* doomed = new RecordingBehavior(log, "doomed");
    auto* killer = new RecordingBehavior(log, "killer");
    killer->onUpdate = [doomed] {
        doomed->QueueDelete();
        doomed->QueueDelete();
    };
    object->AddComponent(killer);
    object->AddComponent(doomed);

    TreePasses::UpdatePass(&root);
    EXPECT_EQ(deletions.ComponentsToDelete.size(), 1u);
    EXPECT_EQ(doomed->Owner(), object) << "stays attached until the deletion phase";
    TreePasses::DeletionPhase();
    EXPECT_EQ(log, (Log{"killer.update", "doomed.update", "doomed.deleted"}));
    EXPECT_EQ(object->Behaviors().size(), 1u);
}

TEST_F(ComponentTest, BehaviorFindChildGoesThroughItsOwner) {
    RecordingBehavior loose(log, "loose");
    EXPECT_EQ(loose.FindChild("x"), nullptr);

    GameObject object;
    auto* child = new GameObject();
    child->Name = "x";
    object.AddChild(child);
    auto* attached = new RecordingBehavior(log, "attached");
    object.AddComponent(attached);
    EXPECT_EQ(attached->FindChild("x"), child);
}

}  // namespace
