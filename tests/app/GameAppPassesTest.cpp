#include "app/GameApp.h"
#include "game/TreePasses.h"
#include "core/DeletionQueues.h"
#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "editor/EditorState.h"
#include "graphics/Graphics.h"
#include "support/RecordingBehavior.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

class GameAppPassesTest : public ::testing::Test {
protected:
    GameObject* Add(GameObject* parent, const std::string& tag) {
        auto* object = new GameObject();
        object->Name = tag;
        object->AddComponent(new RecordingBehavior(log, tag));
        parent->AddChild(object);
        return object;
    }
    RecordingBehavior* BehaviorOf(GameObject* object) {
        return static_cast<RecordingBehavior*>(object->Behaviors()[0]);
    }

    Log log;
    GameApp app;
    GameObject& root = *Engine::Root;
};

TEST_F(GameAppPassesTest, ConstructionFillsTheEngineRecord) {
    EXPECT_EQ(Engine::App, &app);
    ASSERT_NE(Engine::Graphics, nullptr);
    EXPECT_EQ(Engine::Graphics->Width, 1280);
    EXPECT_EQ(Engine::Graphics->Height, 720);
    EXPECT_EQ(Engine::Graphics->FrameRate, 60);
    EXPECT_EQ(Engine::Graphics->MaxFrameSkip, 5);
    EXPECT_EQ(Engine::Graphics->BackgroundColor, Color(0, 0, 0, 255));
    ASSERT_NE(Engine::FrameTime, nullptr);
    EXPECT_EQ(Engine::FrameTime->TotalSeconds, 0.0f);
    ASSERT_NE(Engine::EditorState, nullptr);
    EXPECT_EQ(Engine::EditorState->SelectedObject, nullptr);
}

TEST(GameAppLifetimeTest, DestructionDeletesTheTreeAndClearsTheRecord) {
    Log log;
    {
        GameApp app;
        auto* object = new GameObject();
        object->AddComponent(new RecordingComponent(log, "tree"));
        Engine::Root->AddChild(object);
        auto* pending = new GameObject();
        pending->AddComponent(new RecordingComponent(log, "pending"));
        Engine::Root->AddChild(pending);
        pending->Destroy();
    }
    EXPECT_EQ(Engine::App, nullptr);
    EXPECT_EQ(Engine::Root, nullptr);
    EXPECT_EQ(Engine::Graphics, nullptr);
    EXPECT_EQ(Engine::EditorState, nullptr);
    EXPECT_EQ(log, (Log{"tree.deleted", "pending.deleted"}));
}

TEST_F(GameAppPassesTest, PassesVisitBehaviorsThenChildrenDepthFirst) {
    auto* a = Add(&root, "a");
    Add(a, "a1");
    Add(&root, "b");
    TreePasses::InputPass(&root);
    TreePasses::UpdatePass(&root);
    EXPECT_EQ(log, (Log{"a.input", "a1.input", "b.input", "a.update", "a1.update", "b.update"}));
}

TEST_F(GameAppPassesTest, ClearedFlagsSkipWholeSubtrees) {
    auto* a = Add(&root, "a");
    Add(a, "a1");
    Add(&root, "b");
    a->InputEnabled = false;
    TreePasses::InputPass(&root);
    EXPECT_EQ(log, (Log{"b.input"}));

    log.clear();
    a->UpdateEnabled = false;
    TreePasses::UpdatePass(&root);
    EXPECT_EQ(log, (Log{"b.update"}));

    log.clear();
    root.InputEnabled = false;
    TreePasses::InputPass(&root);
    EXPECT_TRUE(log.empty());
}

TEST_F(GameAppPassesTest, ObjectsAppendedDuringInputPassWaitForTheUpdatePass) {
    auto* a = Add(&root, "a");
    BehaviorOf(a)->onInput = [&] {
        if (root.Children().size() == 1) {
            Add(&root, "late");
            a->AddComponent(new RecordingBehavior(log, "lateBehavior"));
        }
    };
    TreePasses::InputPass(&root);
    EXPECT_EQ(log, (Log{"a.input"}));
    log.clear();
    TreePasses::UpdatePass(&root);
    EXPECT_EQ(log, (Log{"a.update", "lateBehavior.update", "late.update"}));
}

TEST_F(GameAppPassesTest, ObjectsAppendedDuringUpdatePassAreReachedInTheSamePass) {
    auto* a = Add(&root, "a");
    BehaviorOf(a)->onUpdate = [&] {
        if (a->Children().empty()) {
            Add(a, "child");
        }
    };
    TreePasses::UpdatePass(&root);
    EXPECT_EQ(log, (Log{"a.update", "child.update"}));
}

TEST_F(GameAppPassesTest, ObjectDestroyedDuringAPassIsDeletedInThatFramesDeletionPhase) {
    auto* a = Add(&root, "a");
    auto* b = Add(&root, "b");
    auto* c = Add(&root, "c");
    BehaviorOf(a)->onInput = [&] { b->Destroy(); };
    TreePasses::InputPass(&root);
    // b was detached at once; the pass's count was taken before, yet nothing is
    // visited twice or out of range.
    EXPECT_EQ(log, (Log{"a.input", "c.input"}));
    EXPECT_EQ(root.Children(), (std::vector<GameObject*>{a, c}));
    TreePasses::DeletionPhase();
    EXPECT_EQ(log.back(), "b.deleted");
}

TEST_F(GameAppPassesTest, DeletionPhaseDeletesObjectsBeforeComponents) {
    auto* a = Add(&root, "a");
    auto* b = Add(&root, "b");
    BehaviorOf(a)->QueueDelete();
    b->Destroy();
    TreePasses::DeletionPhase();
    EXPECT_EQ(log, (Log{"b.deleted", "a.deleted"}));
    EXPECT_TRUE(Engine::Deletions->ObjectsToDelete.empty());
    EXPECT_TRUE(Engine::Deletions->ComponentsToDelete.empty());
}

TEST_F(GameAppPassesTest, RunFrameAccumulatesGameTimeAndRunsPassesInOrder) {
    auto* a = Add(&root, "a");
    BehaviorOf(a)->onUpdate = [&] { a->Destroy(); };
    EXPECT_TRUE(app.RunFrame(3.0f / 60.0f));
    EXPECT_EQ(log, (Log{"a.input", "a.update", "a.deleted"}));
    EXPECT_TRUE(app.RunFrame(1.0f / 60.0f));
    EXPECT_FLOAT_EQ(Engine::FrameTime->DeltaSeconds, 1.0f / 60.0f);
    EXPECT_FLOAT_EQ(Engine::FrameTime->TotalSeconds, 4.0f / 60.0f);
}

}  // namespace
