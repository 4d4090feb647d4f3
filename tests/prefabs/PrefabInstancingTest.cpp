#include "core/DeletionQueues.h"
#include "core/GameObject.h"
#include "game/ThingComponent.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/TintComponent.h"
#include "support/PrefabTestContent.h"

namespace {

class PrefabInstancingTest : public PrefabTestContent {
protected:
    PrefabInstancingTest() {
        AddPrefab("Leaf", R"({"Components": {"StartLogBehavior": {"Tag": "leaf"},
            "Pos2dComponent": {"Pos": {"X": "1", "Y": "2"}}, "ThingComponent": {"LayeringOrder": "4"},
            "ThingComponent": {"LayeringOrder": "5"}}, "AutoCreate": ""})");
        AddPrefab("Branch", R"({"Components": {"StartLogBehavior": {"Tag": "branch"}}, "AutoCreate": [
            {"Prefab": "Leaf"},
            {"Name": "Tinted", "Prefab": "Leaf", "InstanceProperties": {
                "TintComponent": {"Tint": {"A": "0.5", "Rgb": "ff0000"}},
                "ThingComponent": {"LayeringOrder": "9"},
                "StartLogBehavior": {"Tag": "override"}}}]})");
        AddPrefab("Tree", R"({"Components": "", "AutoCreate": [{"Name": "Trunk", "Prefab": "Branch"}]})");
    }
};

int Order(const Component* c) {
    return dynamic_cast<const ThingComponent*>(c)->LayeringOrder;
}

TEST_F(PrefabInstancingTest, AnInstanceGetsComponentsValuesAndChildrenInOrder) {
    GameObject leaf("Leaf");
    EXPECT_EQ(leaf.Name, "Leaf");
    EXPECT_EQ(leaf.PrefabName, "Leaf");
    ASSERT_EQ(leaf.Components().size(), 4u) << "a type listed twice gives two components";
    EXPECT_EQ(leaf.GetPosition(), (Vector2{1, 2}));
    EXPECT_EQ(Order(leaf.Components()[2]), 4);
    EXPECT_EQ(Order(leaf.Components()[3]), 5);
    EXPECT_EQ(leaf.Pos2d()->TypeTag, &typeid(Pos2dComponent)) << "made by the registry, so tagged";
    EXPECT_EQ(starts, (std::vector<std::string>{"leaf.start"}));
}

TEST_F(PrefabInstancingTest, ChildrenAreCompleteBeforeTheParentStartsAndOverridesHitTheFirstOfAType) {
    GameObject branch("Branch");
    ASSERT_EQ(branch.Children().size(), 2u);
    GameObject* plain = branch.Children()[0];
    GameObject* tinted = branch.Children()[1];
    EXPECT_EQ(plain->Name, "Leaf") << "an entry without a name takes the prefab's";
    EXPECT_EQ(tinted->Name, "Tinted");
    EXPECT_EQ(tinted->Parent(), &branch);

    // The override hits the first ThingComponent only; a missing TintComponent is added.
    EXPECT_EQ(Order(tinted->Components()[2]), 9);
    EXPECT_EQ(Order(tinted->Components()[3]), 5);
    ASSERT_NE(tinted->Tint(), nullptr);
    EXPECT_EQ(tinted->Tint()->Tint, (Color{255, 0, 0, 127}));
    EXPECT_EQ(plain->Tint(), nullptr);

    // Overrides are applied after the child's own Start ran with its prefab's values.
    EXPECT_EQ(starts, (std::vector<std::string>{"leaf.start", "leaf.start", "branch.start"}));
    EXPECT_EQ(dynamic_cast<StartLogBehavior*>(tinted->Behaviors()[0])->Tag, "override");
}

TEST_F(PrefabInstancingTest, ABehaviourAnOverrideAddsStartsWithItsValuesAfterTheChildsOwn) {
    AddPrefab("Bare", R"({"Components": {"Pos2dComponent": ""}, "AutoCreate": ""})");
    AddPrefab("Holder", R"({"Components": "", "AutoCreate": [{"Prefab": "Bare",
        "InstanceProperties": {"StartLogBehavior": {"Tag": "added"}}}]})");
    GameObject holder("Holder");
    EXPECT_EQ(starts, (std::vector<std::string>{"added.start"}));
}

TEST_F(PrefabInstancingTest, MissingPrefabsAreSkippedWithAMessageAndTheRestIsBuilt) {
    AddPrefab("Gappy", R"({"Components": "", "AutoCreate": [{"Prefab": "Nowhere"}, {"Prefab": "Leaf"}]})");
    GameObject gappy("Gappy");
    ASSERT_EQ(gappy.Children().size(), 1u);
    EXPECT_EQ(gappy.Children()[0]->Name, "Leaf");
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("\"Nowhere\""), std::string::npos) << warnings[0];
    EXPECT_NE(warnings[0].find("\"Gappy\""), std::string::npos) << warnings[0];

    GameObject nothing("Nothing");
    EXPECT_EQ(nothing.Name, "Nothing");
    EXPECT_TRUE(nothing.Components().empty());
    EXPECT_EQ(warnings.size(), 2u);
}

TEST_F(PrefabInstancingTest, AutoCreationCyclesAreCutWithAMessage) {
    AddPrefab("Self", R"({"Components": "", "AutoCreate": [{"Prefab": "Self"}, {"Prefab": "Leaf"}]})");
    AddPrefab("Ping", R"({"Components": "", "AutoCreate": [{"Prefab": "Pong"}]})");
    AddPrefab("Pong", R"({"Components": "", "AutoCreate": [{"Prefab": "Ping"}]})");

    GameObject self("Self");
    ASSERT_EQ(self.Children().size(), 1u);
    EXPECT_EQ(self.Children()[0]->Name, "Leaf");

    GameObject ping("Ping");
    ASSERT_EQ(ping.Children().size(), 1u);
    EXPECT_TRUE(ping.Children()[0]->Children().empty());
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_NE(warnings[1].find("Ping > Pong > Ping"), std::string::npos) << warnings[1];

    GameObject again("Ping");  // the cycle guard is released after each instancing
    EXPECT_EQ(again.Children().size(), 1u);
}

TEST_F(PrefabInstancingTest, UpdateInstancesReachesInstancesAtAnyDepth) {
    GameObject root;
    root.AddChild(new GameObject("Tree"));
    root.AddChild(new GameObject("Leaf"));
    Prefab* leaf = manager.Find("Leaf");
    leaf->Components[1]->Properties.at("Pos")->GetSubProperty("Pos", 0).FromText("30");
    auto tint = std::make_unique<PrefabComponent>();
    tint->TypeName = "TintComponent";
    tint->TypeTag = manager.FindType("TintComponent")->Tag;
    leaf->Components.push_back(std::move(tint));

    leaf->UpdateInstances(root);

    GameObject* trunk = root.Children()[0]->FindChild("Trunk");
    ASSERT_NE(trunk, nullptr);
    for (GameObject* instance : {trunk->FindChild("Leaf"), trunk->FindChild("Tinted"), root.Children()[1]}) {
        EXPECT_EQ(instance->GetPosition(), (Vector2{30, 2})) << instance->Name;
        EXPECT_NE(instance->Tint(), nullptr) << instance->Name;
    }
    GameObject* tinted = trunk->FindChild("Tinted");
    EXPECT_EQ(Order(tinted->Components()[2]), 4) << "the prefab's values overwrite the instance overrides";
    EXPECT_EQ(Order(tinted->Components()[3]), 5) << "the second entry of a type updates the second component";
    EXPECT_EQ(tinted->Tint()->Tint, (Color{255, 0, 0, 127})) << "an entry without values changes nothing";
    EXPECT_EQ(trunk->Pos2d(), nullptr) << "other prefabs' instances are untouched";
    EXPECT_EQ(trunk->FindChild("Leaf")->Components().size(), 5u);
}

TEST_F(PrefabInstancingTest, ReinstancePutsTheNewObjectFirstAndDeletesTheOldOneOnce) {
    auto* old = new GameObject("Branch");
    root.AddChild(old);
    old->Name = "Renamed";
    GameObject* fresh = old->Reinstance();
    ASSERT_NE(fresh, nullptr);
    ASSERT_EQ(root.Children().size(), 2u);
    EXPECT_EQ(root.Children()[0], fresh);
    EXPECT_EQ(root.Children()[1], old);
    EXPECT_EQ(fresh->Name, "Branch");

    deletions.DeleteQueued();
    ASSERT_EQ(root.Children().size(), 1u);
    EXPECT_EQ(root.Children()[0], fresh);
}

TEST_F(PrefabInstancingTest, AQueuedObjectDeletedWithItsParentIsNotDeletedAgain) {
    auto* parent = new GameObject("Tree");
    root.AddChild(parent);
    GameObject* trunk = parent->FindChild("Trunk");
    ASSERT_NE(trunk->Reinstance(), nullptr);
    ASSERT_EQ(deletions.ObjectsToDelete.size(), 1u);

    delete parent;  // takes the queued trunk with it
    EXPECT_EQ(deletions.ObjectsToDelete[0], nullptr);
    deletions.DeleteQueued();  // would be a double delete (caught by the sanitizers, or a crash)
    EXPECT_TRUE(root.Children().empty());
}

TEST_F(PrefabInstancingTest, ReinstanceNeedsAParentAndAPrefab) {
    GameObject loose("Leaf");
    EXPECT_EQ(loose.Reinstance(), nullptr);
    auto* handmade = new GameObject();
    root.AddChild(handmade);
    EXPECT_EQ(handmade->Reinstance(), nullptr);
    EXPECT_TRUE(deletions.ObjectsToDelete.empty());
}

}  // namespace
