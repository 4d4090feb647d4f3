#include "core/DeletionQueues.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "game/ThingComponent.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/TintComponent.h"
#include "support/EngineScope.h"
#include "support/RecordingBehavior.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

GameObject* AddChild(GameObject* parent, const std::string& name) {
    auto* child = new GameObject();
    child->Name = name;
    parent->AddChild(child);
    return child;
}

class GameObjectTest : public ::testing::Test {
protected:
    Log log;  // outlives the tree, whose behaviours write into it as they go
    EngineScope engine;
    DeletionQueues& deletions = engine.Make(Engine::Deletions);
    GameObject& root = engine.Make(Engine::Root);
};

class PositionSubclass : public Pos2dComponent {};

TEST_F(GameObjectTest, ShortcutNamesFirstOfTypeAndIsNotPromotedAfterRemoval) {
    GameObject object;
    auto* first = new TintComponent();
    auto* second = new TintComponent();
    object.AddComponent(first);
    object.AddComponent(second);
    EXPECT_EQ(object.Tint(), first);

    object.RemoveComponent(first);
    EXPECT_EQ(object.Tint(), nullptr) << "the second tint must not be promoted";
    EXPECT_EQ(object.GetComponent<TintComponent>(), second);
    delete first;
}

TEST_F(GameObjectTest, ShortcutAcceptsSubclassesAndBehaviorBlocksFollowTheOwner) {
    GameObject object;
    auto* early = new RecordingBehavior(log, "early");
    object.AddComponent(early);
    auto* pos = new PositionSubclass();
    object.AddComponent(pos);
    auto* thing = new ThingComponent();
    object.AddComponent(thing);
    auto* late = new RecordingBehavior(log, "late");
    object.AddComponent(late);

    EXPECT_EQ(object.Pos2d(), pos);
    EXPECT_EQ(early->Pos2d(), pos) << "a behaviour attached before the position still gets it";
    EXPECT_EQ(early->Thing(), thing);
    EXPECT_EQ(late->Pos2d(), pos);
    EXPECT_EQ(late->Thing(), thing);

    delete pos;  // detaches itself
    EXPECT_EQ(object.Pos2d(), nullptr);
    EXPECT_EQ(early->Pos2d(), nullptr);
    EXPECT_EQ(late->Pos2d(), nullptr);
    EXPECT_EQ(object.Components().size(), 3u);
}

TEST_F(GameObjectTest, DeletingABehaviorRemovesItFromBothLists) {
    GameObject object;
    auto* a = new RecordingBehavior(log, "a");
    auto* b = new RecordingBehavior(log, "b");
    object.AddComponent(a);
    object.AddComponent(b);
    delete a;
    ASSERT_EQ(object.Behaviors().size(), 1u);
    EXPECT_EQ(object.Behaviors()[0], b);
    ASSERT_EQ(object.Components().size(), 1u);
}

TEST_F(GameObjectTest, DeletionRemovesComponentsLastToFirstThenChildrenLastToFirst) {
    auto* object = AddChild(&root, "object");
    object->AddComponent(new RecordingComponent(log, "c1"));
    object->AddComponent(new RecordingBehavior(log, "b2"));
    object->AddComponent(new RecordingComponent(log, "c3"));
    AddChild(object, "x")->AddComponent(new RecordingComponent(log, "x"));
    AddChild(object, "y")->AddComponent(new RecordingComponent(log, "y"));

    delete object;
    EXPECT_EQ(log, (Log{"c3.deleted", "b2.deleted", "c1.deleted", "y.deleted", "x.deleted"}));
    EXPECT_TRUE(root.Children().empty());
}

TEST_F(GameObjectTest, DestroyDetachesAtOnceAndQueuesOnce) {
    auto* object = AddChild(&root, "object");
    object->Destroy();
    object->Destroy();
    EXPECT_EQ(object->Parent(), nullptr);
    EXPECT_TRUE(root.Children().empty());
    EXPECT_EQ(deletions.ObjectsToDelete.size(), 1u);
    deletions.DeleteQueued();
    EXPECT_TRUE(deletions.ObjectsToDelete.empty());
}

TEST_F(GameObjectTest, QueuedComponentOfADeletedObjectIsNotDeletedTwice) {
    auto* object = AddChild(&root, "object");
    auto* c = new RecordingComponent(log, "c");
    object->AddComponent(c);
    c->QueueDelete();
    object->Destroy();
    deletions.DeleteQueued();
    EXPECT_EQ(log, (Log{"c.deleted"}));
}

TEST_F(GameObjectTest, FindChildIsExactAndNotRecursive) {
    auto* a = AddChild(&root, "Level");
    AddChild(a, "Deep");
    EXPECT_EQ(root.FindChild("Level"), a);
    EXPECT_EQ(root.FindChild("level"), nullptr);
    EXPECT_EQ(root.FindChild("Deep"), nullptr);
}

TEST_F(GameObjectTest, MoveAmongSiblingsSwapsWithinRange) {
    auto* a = AddChild(&root, "a");
    auto* b = AddChild(&root, "b");
    auto* c = AddChild(&root, "c");
    a->MoveAmongSiblings(-1);
    EXPECT_EQ(root.Children(), (std::vector<GameObject*>{a, b, c}));
    b->MoveAmongSiblings(-1);
    EXPECT_EQ(root.Children(), (std::vector<GameObject*>{b, a, c}));
    b->MoveAmongSiblings(+3);
    EXPECT_EQ(root.Children(), (std::vector<GameObject*>{b, a, c}));
    c->MoveAmongSiblings(-2);
    EXPECT_EQ(root.Children(), (std::vector<GameObject*>{c, a, b}));
    GameObject orphan;
    orphan.MoveAmongSiblings(1);  // no parent: nothing happens
}

TEST_F(GameObjectTest, WorldPositionFollowsRelativeChain) {
    auto place = [](GameObject* o, Vector2 p, bool relative) {
        auto* pos = new Pos2dComponent();
        pos->Pos = p;
        pos->IsRelative = relative;
        o->AddComponent(pos);
        return pos;
    };
    auto* a = AddChild(&root, "a");
    auto* b = AddChild(a, "b");
    auto* between = AddChild(b, "unpositioned");
    auto* c = AddChild(between, "c");
    place(a, {5, 0}, false);
    Pos2dComponent* bpos = place(b, {1, 0}, true);
    place(c, {0, 2}, true);
    EXPECT_EQ(c->GetPosition(), Vector2(6, 2));
    bpos->IsRelative = false;
    EXPECT_EQ(c->GetPosition(), Vector2(1, 2));

    c->SetPosition({10, 10});
    EXPECT_EQ(c->GetPosition(), Vector2(10, 10));
    EXPECT_EQ(c->Pos2d()->Pos, Vector2(9, 10));
    EXPECT_EQ(root.GetPosition(), Vector2(0, 0)) << "no position component";
}

}  // namespace
