#include "editor/EditorState.h"
#include "editor/palettes/EdPalAutoCreateListBhv.h"
#include "editor/palettes/NameFilter.h"
#include "editor/prefabs/EntryOperations.h"
#include "editor/prefabs/PrefabOperations.h"
#include "editor/undo/UpdateInstancesCommand.h"
#include "graphics/Pos2dComponent.h"
#include "support/PrefabTestContent.h"

#include <algorithm>

namespace {

const char* const kEmpty = "{\n    \"Components\": \"\",\n    \"AutoCreate\": \"\"\n}\n";

class PrefabOperationsTest : public PrefabTestContent {
protected:
    PrefabOperationsTest() { PrefabOperations::ForgetQuestion(); }

    bool Told(const std::string& part) const {
        return std::any_of(warnings.begin(), warnings.end(), [&](const std::string& w) { return w.find(part) != std::string::npos; });
    }

    EditorState& state = engine.Make(Engine::EditorState);
    PrefabOperations operations{manager, state};
};

TEST(PrefabListFilter, MatchesContainedNamesInAnyCase) {
    for (const char* name : {"Ant", "GiantAnt", "plant"}) {
        EXPECT_TRUE(MatchesFilter(name, "ANT")) << name;
    }
    EXPECT_FALSE(MatchesFilter("Seed", "ANT"));
    EXPECT_TRUE(MatchesFilter("Seed", ""));
}

TEST_F(PrefabOperationsTest, NewPrefabsAreNumberedPastNamesTakenInMemoryOrOnDisk) {
    EXPECT_EQ(operations.Create()->Name, "NewPrefab");
    Prefab* second = operations.Create();
    EXPECT_EQ(second->Name, "NewPrefab.001");
    EXPECT_TRUE(second->IsModified);
    EXPECT_EQ(state.SelectedPrefab, second);
    EXPECT_EQ(state.SelectedPrefabName, "NewPrefab.001");

    WriteFile(PrefabDir() / "NewPrefab.002.json", kEmpty);  // someone else's file
    EXPECT_EQ(operations.Create()->Name, "NewPrefab.003");
}

TEST_F(PrefabOperationsTest, RenameRefusesUnsafeNamesAndSaysWhichNumberedNameItGave) {
    Prefab* ant = AddPrefab("Ant", kEmpty);
    for (const std::string& bad : std::vector<std::string>{"", "../x", "a\\b", ".x", "tab\tname", std::string(Prefab::MaxNameLength + 1, 'n')}) {
        EXPECT_EQ(operations.Rename(*ant, bad), PrefabOperations::Outcome::Refused) << bad;
    }
    EXPECT_EQ(ant->Name, "Ant");
    EXPECT_EQ(state.History.UndoCount(), 0u);

    WriteFile(PrefabDir() / "Worker.json", kEmpty);
    state.SelectedPrefabName = "Ant";
    EXPECT_EQ(operations.Rename(*ant, "Worker"), PrefabOperations::Outcome::Done);
    EXPECT_EQ(ant->Name, "Worker.001");
    EXPECT_EQ(state.SelectedPrefabName, "Worker.001");
    EXPECT_TRUE(Told("named \"Worker.001\""));
    manager.SaveAll();
    EXPECT_EQ(ReadFile(PrefabDir() / "Worker.json"), kEmpty) << "the file on disk was not overwritten";
    EXPECT_FALSE(std::filesystem::exists(PrefabDir() / "Ant.json"));
}

TEST_F(PrefabOperationsTest, RequiredPrefabsStayAndUsedOnesGoOnlyOnASecondPress) {
    AddPrefab("Seed", kEmpty);
    EXPECT_EQ(operations.Remove("Seed"), PrefabOperations::Outcome::Refused);
    EXPECT_EQ(operations.Rename(*manager.Find("Seed"), "Kernel"), PrefabOperations::Outcome::Refused);
    EXPECT_NE(manager.Find("Seed"), nullptr);

    AddPrefab("Leaf", kEmpty);
    AddPrefab("Level", R"({"Components": "", "AutoCreate": [{"Prefab": "Leaf"}]})");
    EXPECT_EQ(operations.Remove("Leaf"), PrefabOperations::Outcome::AskAgain);
    EXPECT_TRUE(Told("Leaf is used by Level; press again to remove"));
    EXPECT_NE(manager.Find("Leaf"), nullptr);
    time.TotalSeconds += PrefabOperations::ConfirmSeconds + 1.0f;
    EXPECT_EQ(operations.Remove("Leaf"), PrefabOperations::Outcome::AskAgain) << "too late: asked again";
    EXPECT_EQ(operations.Remove("Leaf"), PrefabOperations::Outcome::Done);
    EXPECT_EQ(manager.Find("Leaf"), nullptr);
}

TEST_F(PrefabOperationsTest, RenamingAUsedPrefabTakesItsEntriesAndLiveObjectsAlongInOneUndoStep) {
    AddPrefab("Leaf", R"({"Components": {"Pos2dComponent": ""}, "AutoCreate": ""})");
    AddPrefab("Level", R"({"Components": "", "AutoCreate": [{"Prefab": "Leaf"}, {"Name": "Leaf", "Prefab": "Leaf"},
        {"Prefab": "Stone"}]})");
    AddPrefab("Pile", R"({"Components": "", "AutoCreate": [{"Prefab": "Leaf"}]})");
    AddPrefab("Stone", kEmpty);
    const std::string levelJson = manager.Find("Level")->ToJson();
    auto* level = new GameObject("Level");
    root.AddChild(level);
    const auto names = [&] {
        std::vector<std::string> seen;
        for (const GameObject* child : level->Children()) seen.push_back(child->Name + "/" + child->PrefabName);
        return seen;
    };

    EXPECT_EQ(operations.Rename(*manager.Find("Leaf"), "Twig"), PrefabOperations::Outcome::AskAgain);
    EXPECT_TRUE(Told("Leaf is used by Level, Pile; press again to rename it there too"));
    EXPECT_EQ(operations.Rename(*manager.Find("Leaf"), "Twig"), PrefabOperations::Outcome::Done);
    const Prefab& renamedLevel = *manager.Find("Level");
    EXPECT_EQ(renamedLevel.AutoCreates[1]->PrefabName, "Twig");
    EXPECT_EQ(manager.Find("Pile")->AutoCreates[0]->PrefabName, "Twig");
    EXPECT_TRUE(renamedLevel.IsModified);
    EXPECT_FALSE(manager.Find("Stone")->IsModified);
    EXPECT_EQ(names(), (std::vector<std::string>{"Twig/Twig", "Leaf/Twig", "Stone/Stone"}));
    EXPECT_EQ(state.History.UndoCount(), 1u);

    state.History.Undo();
    EXPECT_EQ(manager.Find("Twig"), nullptr);
    EXPECT_EQ(manager.Find("Level")->ToJson(), levelJson);
    EXPECT_FALSE(manager.Find("Level")->IsModified);
    EXPECT_EQ(manager.Find("Pile")->AutoCreates[0]->PrefabName, "Leaf");
    EXPECT_EQ(names(), (std::vector<std::string>{"Leaf/Leaf", "Leaf/Leaf", "Stone/Stone"}));
    EXPECT_EQ(level->Children()[1]->MadeBy.Get(), manager.Find("Level")->AutoCreates[1].get());
    state.History.Redo();
    EXPECT_EQ(names(), (std::vector<std::string>{"Twig/Twig", "Leaf/Twig", "Stone/Stone"}));

    EXPECT_TRUE(manager.SaveAll().empty());
    EXPECT_FALSE(std::filesystem::exists(PrefabDir() / "Leaf.json"));
    for (const auto& file : std::filesystem::directory_iterator(PrefabDir())) {
        EXPECT_EQ(ReadFile(file.path()).find("\"Prefab\": \"Leaf\""), std::string::npos) << file.path();
    }
    EXPECT_EQ(ReadFile(PrefabDir() / "Stone.json"), kEmpty);
}

TEST_F(PrefabOperationsTest, UndoPutsBackARenameAndARemoveWithTheSelection) {
    Prefab* ant = AddPrefab("Ant", R"({"Components": {"Pos2dComponent": ""}, "AutoCreate": ""})");
    AddPrefab("Zeta", kEmpty);
    const std::string json = ant->ToJson();
    state.SelectedPrefab = ant;
    state.SelectedPrefabName = "Ant";

    operations.Rename(*ant, "Worker");
    state.History.Undo();
    ASSERT_NE(manager.Find("Ant"), nullptr);
    EXPECT_EQ(manager.Find("Worker"), nullptr);
    EXPECT_EQ(manager.Find("Ant")->ToJson(), json);
    EXPECT_FALSE(manager.Find("Ant")->IsModified);
    EXPECT_EQ(state.SelectedPrefab, manager.Find("Ant"));

    operations.Remove("Ant");
    EXPECT_EQ(state.SelectedPrefabName, "Zeta") << "the next prefab in name order";
    EXPECT_EQ(state.SelectedPrefab, manager.Find("Zeta"));
    state.History.Undo();
    ASSERT_NE(manager.Find("Ant"), nullptr);
    EXPECT_EQ(manager.Find("Ant")->ToJson(), json);
    manager.SaveAll();
    EXPECT_TRUE(std::filesystem::exists(PrefabDir() / "Ant.json")) << "an undone remove keeps the file";
}

TEST_F(PrefabOperationsTest, RevertReadsTheFileAgainAndNeedsOne) {
    Prefab* ant = AddPrefab("Ant", R"({"Components": {"Pos2dComponent": ""}, "AutoCreate": ""})");
    const std::string json = ant->ToJson();
    ant->Components.clear();
    ant->IsModified = true;
    EXPECT_EQ(operations.Revert(*ant), PrefabOperations::Outcome::Done);
    EXPECT_EQ(ant->ToJson(), json);
    EXPECT_FALSE(ant->IsModified);
    state.History.Undo();
    EXPECT_TRUE(manager.Find("Ant")->Components.empty());

    EXPECT_EQ(operations.Revert(*operations.Create()), PrefabOperations::Outcome::Unchanged);
    EXPECT_TRUE(Told("has no file"));
}

TEST_F(PrefabOperationsTest, RemovingAnEntrySelectsTheOneAtItsPlaceOrTheNewLastOrNone) {
    Prefab* owner = AddPrefab("Owner", R"({"Components": "", "AutoCreate": [{"Prefab": "A"}, {"Prefab": "B"}]})");
    Prefab* other = AddPrefab("Other", kEmpty);
    state.SelectedPrefabName = "Other";  // what "[" and "]" may have left there
    EntryOperations entries(manager, state);

    entries.Remove(*owner->AutoCreates[1]);
    EXPECT_EQ(state.SelectedAutoCreate, owner->AutoCreates[0].get()) << "the new last one";
    EXPECT_TRUE(owner->IsModified);
    EXPECT_FALSE(other->IsModified);
    entries.Remove(*owner->AutoCreates[0]);
    EXPECT_EQ(state.SelectedAutoCreate, nullptr);

    state.History.Undo();
    state.History.Undo();
    ASSERT_EQ(owner->AutoCreates.size(), 2u);
    EXPECT_EQ(owner->AutoCreates[1]->PrefabName, "B");
    EXPECT_FALSE(owner->IsModified);

    // The picker's answer goes to the prefab listed when it opened.
    AddPrefab("Leaf", R"({"Components": {"Pos2dComponent": {"Pos": {"X": "1", "Y": "2"}}, "TintComponent": ""},
        "AutoCreate": ""})");
    EdPalAutoCreateListBhv::AddChosen("Owner", "Leaf");
    ASSERT_EQ(owner->AutoCreates.size(), 3u);
    const AutoCreate& added = *owner->AutoCreates[2];
    EXPECT_EQ(state.SelectedAutoCreate, &added);
    ASSERT_EQ(added.InstanceProperties.size(), 2u);
    EXPECT_EQ(added.InstanceProperties[0]->TypeName, "Pos2dComponent");
    EXPECT_TRUE(added.InstanceProperties[0]->Properties.empty()) << "overrides start empty";
    EXPECT_FALSE(other->IsModified);
}

TEST_F(PrefabOperationsTest, UndoneEntryEditsLeaveEachLiveObjectMadeByTheEntryInItsPlace) {
    AddPrefab("Stone", kEmpty);
    AddPrefab("Level", R"({"Components": "", "AutoCreate": [{"Prefab": "Stone"}, {"Name": "Last", "Prefab": "Stone"}]})");
    auto* level = new GameObject("Level");
    root.AddChild(level);
    const auto linked = [&] {
        const Prefab& prefab = *manager.Find("Level");
        for (std::size_t i = 0; i < prefab.AutoCreates.size(); ++i) {
            if (level->Children()[i]->MadeBy.Get() != prefab.AutoCreates[i].get()) return false;
        }
        return true;
    };
    EntryOperations entries(manager, state);

    entries.Move(*manager.Find("Level")->AutoCreates[0], 1);
    state.History.Undo();
    EXPECT_TRUE(linked()) << "after an undone move";
    entries.Remove(*manager.Find("Level")->AutoCreates[0]);
    EXPECT_EQ(level->Children()[1]->MadeBy.Get(), manager.Find("Level")->AutoCreates[0].get());
    state.History.Undo();
    EXPECT_TRUE(linked()) << "after an undone remove";
    state.History.Redo();
    EXPECT_EQ(level->Children()[1]->MadeBy.Get(), manager.Find("Level")->AutoCreates[0].get()) << "after a redone remove";
}

TEST_F(PrefabOperationsTest, PushingToInstancesStartsAddedBehavioursAndUndoPutsEveryValueBack) {
    Prefab* leaf = AddPrefab("Leaf", R"({"Components": {"Pos2dComponent": {"Pos": {"X": "1", "Y": "2"}}}, "AutoCreate": ""})");
    root.AddChild(new GameObject("Leaf"));
    GameObject& instance = *root.Children()[0];
    instance.Pos2d()->Pos = Vector2{7, 8};
    AddPrefab("Log", R"({"Components": {"StartLogBehavior": {"Tag": "pushed"}}, "AutoCreate": ""})");
    leaf->Components.push_back(manager.Find("Log")->Components[0]->Clone());

    UpdateInstancesCommand command("Leaf", root, state.History);
    ASSERT_TRUE(command.Apply());
    EXPECT_EQ(instance.Pos2d()->Pos, (Vector2{1, 2}));
    EXPECT_EQ(starts, (std::vector<std::string>{"pushed.start"}));
    EXPECT_EQ(instance.Components().size(), 2u);

    command.Undo();
    EXPECT_EQ(instance.Pos2d()->Pos, (Vector2{7, 8}));
    EXPECT_EQ(instance.Components().size(), 1u);
    command.Redo();
    EXPECT_EQ(instance.Pos2d()->Pos, (Vector2{1, 2}));
    EXPECT_EQ(instance.Components().size(), 2u);
    EXPECT_FALSE(UpdateInstancesCommand("Nothing", root, state.History).Apply());
}

}  // namespace
