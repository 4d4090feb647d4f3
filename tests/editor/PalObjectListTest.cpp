#include "editor/EditorState.h"
#include "editor/level/EditTarget.h"
#include "editor/level/EngineObjects.h"
#include "editor/palettes/EdPalObjectListBhv.h"
#include "editor/palettes/ObjectListActions.h"
#include "editor/prefabs/ComponentEdits.h"
#include "editor/prefabs/UpdatePrefabFromInstance.h"
#include "editor/recovery/UnsavedSummary.h"
#include "editor/widgets/EdListItemBhv.h"
#include "game/TreePasses.h"
#include "graphics/Graphics.h"
#include "graphics/Pos2dComponent.h"
#include "input/InputManager.h"
#include "support/PrefabTestContent.h"

#include <string>

namespace {

namespace Actions = ObjectListActions;

// "Holder" makes two children of the prefab "Stone" that look alike (same name, same
// prefab); the first overrides Pos in its entry, Stone itself stores Rotation.
constexpr const char* StoneJson = R"({"Components": {"Pos2dComponent": {"Rotation": "0.5"}}, "AutoCreate": ""})";
constexpr const char* HolderJson = R"({"Components": "", "AutoCreate": [
    {"Name": "S", "Prefab": "Stone", "InstanceProperties": {"Pos2dComponent": {"Pos": {"X": "1", "Y": "2"}}}},
    {"Name": "S", "Prefab": "Stone", "InstanceProperties": {"Pos2dComponent": {"Pos": {"X": "1", "Y": "2"}}}}]})";

class PalObjectListTest : public PrefabTestContent {
protected:
    PalObjectListTest() {
        root.Name = "Root";
        AddPrefab("Stone", StoneJson);
        AddPrefab("Holder", HolderJson);
    }
    ~PalObjectListTest() override {
        while (!root.Children().empty()) delete root.Children().back();
        deletions.DeleteQueued();
    }

    GameObject* Child(GameObject& parent, const std::string& name) {
        auto* child = new GameObject();
        child->Name = name;
        parent.AddChild(child);
        return child;
    }
    static Vector2 EntryPos(const Prefab& prefab, std::size_t entry) {
        const auto* stored = prefab.AutoCreates[entry]->InstanceProperties[0]->FindProperty("Pos");
        Pos2dComponent scratch;
        stored->AssignTo(*scratch.FindProperty("Pos"));
        return scratch.Pos;
    }

    EditorState& state = engine.Make(Engine::EditorState);
};

TEST_F(PalObjectListTest, ThePaletteListsRootWithoutAListRootAndWalksDownAndUp) {
    for (const char* name : {"EdWidgetBackground", "EdWidgetText", "EdButton", "EdListItem", "EdTitleBar",
                             "EdRowMultiContainer", "PalObjectListScrollRow", "PalObjectListEditRow",
                             "PalObjectListPrefabRow", "PalObjectList"}) {
        AddPrefab(name, ReadFile(std::filesystem::path(VELLIMOR_SOURCE_CONTENT) / "Prefabs" / (std::string(name) + ".json")));
    }
    engine.Make(Engine::Graphics);
    InputManager& input = engine.Make(Engine::InputManager);
    Child(root, "A");
    Child(*Child(root, "B"), "Inner");
    auto* palette = new GameObject("PalObjectList");
    root.AddChild(palette);
    auto* list = palette->GetComponent<EdPalObjectListBhv>();
    auto frame = [&] {
        TreePasses::InputPass(&root);
        TreePasses::UpdatePass(&root);
        input.Update();
    };
    frame();
    ASSERT_GE(list->Rows().size(), 4u);
    EXPECT_EQ(list->Rows()[0]->Label, "A");
    EXPECT_EQ(list->Rows()[1]->Label, "B  [+]");
    EXPECT_EQ(list->Rows()[2]->Label, "PalObjectList  [+]");
    EXPECT_EQ(list->Rows()[3]->Label, "");

    list->Rows()[1]->OnRightClick();  // descend into B
    frame();
    EXPECT_EQ(state.ListRoot, root.Children()[1]);
    EXPECT_EQ(list->Rows()[0]->Label, "Inner");
    auto* parentItem = palette->FindChild("ParentItem")->GetComponent<EdListItemBhv>();
    parentItem->OnLeftClick();  // select the list root itself
    frame();
    EXPECT_EQ(state.SelectedObject, root.Children()[1]);
    EXPECT_TRUE(parentItem->IsSelected);

    parentItem->OnRightClick();  // up to Root, and no further
    parentItem->OnRightClick();
    frame();
    EXPECT_EQ(state.ListRoot, &root);
    EXPECT_EQ(list->Rows()[0]->Label, "A");
    EXPECT_TRUE(list->Rows()[1]->IsSelected);
}

TEST_F(PalObjectListTest, WritingBackFillsTheEntryThatMadeTheObjectNotALookAlikeNorThePrefab) {
    auto* holder = new GameObject("Holder");
    root.AddChild(holder);
    GameObject* second = holder->Children()[1];
    second->GetComponent<Pos2dComponent>()->Pos = Vector2(7, 8);
    second->GetComponent<Pos2dComponent>()->Rotation = 1.5f;

    EXPECT_TRUE(UpdatePrefabFromInstance(*second));
    const Prefab& holderPrefab = *manager.Find("Holder");
    const Prefab& stone = *manager.Find("Stone");
    EXPECT_EQ(EntryPos(holderPrefab, 1), Vector2(7, 8));
    EXPECT_EQ(EntryPos(holderPrefab, 0), Vector2(1, 2));  // the look-alike is untouched
    EXPECT_TRUE(holderPrefab.IsModified);
    // Pos is the entry's: the prefab does not take it; Rotation only the prefab stores.
    EXPECT_EQ(stone.Components[0]->FindProperty("Pos"), nullptr);
    EXPECT_TRUE(stone.IsModified);
    EXPECT_NE(stone.ToJson().find("1.5"), std::string::npos);

    // Placed at run time, an object of the same name and prefab has no entry.
    auto* placed = new GameObject("Stone");
    placed->Name = "S";
    holder->AddChild(placed);
    EXPECT_EQ(FindInstanceSources(*placed).Entry, nullptr);
    // A deleted entry is forgotten.
    manager.Find("Holder")->AutoCreates.erase(manager.Find("Holder")->AutoCreates.begin() + 1);
    EXPECT_EQ(FindInstanceSources(*second).Entry, nullptr);
}

TEST_F(PalObjectListTest, WritingBackIsOneUndoStep) {
    auto* holder = new GameObject("Holder");
    root.AddChild(holder);
    state.SelectedObject = holder->Children()[0];
    state.SelectedObject->GetComponent<Pos2dComponent>()->Pos = Vector2(3, 4);
    Actions::UpdatePrefabOfSelected();
    EXPECT_EQ(EntryPos(*manager.Find("Holder"), 0), Vector2(3, 4));
    ASSERT_EQ(state.History.UndoCount(), 1u);
    state.History.Undo();
    EXPECT_EQ(EntryPos(*manager.Find("Holder"), 0), Vector2(1, 2));
    EXPECT_FALSE(manager.Find("Holder")->IsModified);
}

TEST_F(PalObjectListTest, SavingWritesTheEntrysPrefabFile) {
    auto* holder = new GameObject("Holder");
    root.AddChild(holder);
    state.SelectedObject = holder->Children()[1];
    state.SelectedObject->GetComponent<Pos2dComponent>()->Pos = Vector2(7, 8);
    Actions::SaveSelected();
    Prefab saved(manager, "Holder");
    saved.Load(PrefabDir() / "Holder.json");
    EXPECT_EQ(EntryPos(saved, 1), Vector2(7, 8));
    EXPECT_EQ(EntryPos(saved, 0), Vector2(1, 2));
    EXPECT_FALSE(manager.Find("Holder")->IsModified);
    EXPECT_FALSE(manager.Find("Stone")->IsModified);
}

TEST_F(PalObjectListTest, TheEnginesOwnObjectsAreNotRemoved) {
    GameObject* gameplay = Child(root, "GameplayRoot");
    GameObject* level = Child(*gameplay, "Level");
    GameObject* editorPart = Child(*Child(*Child(root, "EditorRoot"), "EdPalettesRoot"), "PalMain");
    for (GameObject* object : {&root, gameplay, editorPart}) {
        state.SelectedObject = object;
        Actions::RemoveSelected();
        EXPECT_FALSE(object->IsQueuedForDeletion()) << object->Name;
        EXPECT_TRUE(IsEngineObject(object));
    }
    state.SelectedObject = level;
    Actions::RemoveSelected();
    EXPECT_TRUE(gameplay->Children().empty());
    EXPECT_EQ(state.History.UndoCount(), 1u);
}

TEST_F(PalObjectListTest, AddRemoveAndMovesAreUndoneExactly) {
    GameObject* parent = Child(root, "Parent");
    Child(*parent, "First");
    Child(*parent, "Last");
    state.ListRoot = parent;
    GameObject* added = Actions::Add("");
    EXPECT_EQ(added->Name, "NewObject");
    EXPECT_EQ(state.SelectedObject, added);
    state.History.Undo();
    deletions.DeleteQueued();
    ASSERT_EQ(parent->Children().size(), 2u);
    state.History.Redo();
    ASSERT_EQ(parent->Children().size(), 3u);
    EXPECT_EQ(parent->Children()[2]->Name, "NewObject");

    state.SelectedObject = parent->Children()[2];
    Actions::MoveSelected(-1);
    Actions::MoveSelected(-5);  // out of range: no step
    EXPECT_EQ(parent->Children()[1]->Name, "NewObject");
    EXPECT_EQ(state.History.UndoCount(), 2u);
    state.History.Undo();
    EXPECT_EQ(parent->Children()[2]->Name, "NewObject");

    state.SelectedObject = parent->Children()[0];
    Actions::RemoveSelected();
    EXPECT_EQ(state.SelectedObject->Name, "Last");
    state.History.Undo();
    ASSERT_EQ(parent->Children().size(), 3u);
    EXPECT_EQ(parent->Children()[0]->Name, "First");
}

TEST_F(PalObjectListTest, ReloadMakesTheObjectAgainAsItsEntryDoesAndUndoBringsTheOldOneBack) {
    auto* holder = new GameObject("Holder");
    root.AddChild(holder);
    GameObject* first = holder->Children()[0];
    first->Pos2d()->Pos = Vector2(7, 8);
    first->Name = "Moved";
    state.SelectedObject = first;
    Actions::ReloadSelected();
    deletions.DeleteQueued();
    ASSERT_EQ(holder->Children().size(), 2u);
    GameObject* fresh = holder->Children()[0];
    EXPECT_EQ(state.SelectedObject, fresh);
    EXPECT_EQ(fresh->Name, "S");
    EXPECT_EQ(fresh->Pos2d()->Pos, Vector2(1, 2)) << "the entry's override";
    EXPECT_FLOAT_EQ(fresh->Pos2d()->Rotation, 0.5f) << "the prefab's own value";
    EXPECT_EQ(fresh->MadeBy.Get(), manager.Find("Holder")->AutoCreates[0].get());

    state.History.Undo();
    deletions.DeleteQueued();
    ASSERT_EQ(holder->Children().size(), 2u);
    EXPECT_EQ(holder->Children()[0]->Name, "Moved");
    EXPECT_EQ(holder->Children()[0]->Pos2d()->Pos, Vector2(7, 8));
}

TEST_F(PalObjectListTest, LiveComponentsAddedAndRemovedAreUndoneWithTheirPlaceAndValues) {
    auto* stone = new GameObject("Stone");
    root.AddChild(stone);
    state.SelectedObject = stone;
    const auto target = [&] { return EditTarget::FromSelection(state); };
    ASSERT_TRUE(ComponentEdits::Add(target(), "StartLogBehavior"));
    ASSERT_TRUE(ComponentEdits::Add(target(), "TintComponent"));
    ASSERT_EQ(stone->Components().size(), 3u);
    dynamic_cast<StartLogBehavior&>(*stone->Components()[1]).Tag = "kept";
    ASSERT_TRUE(ComponentEdits::Remove(target(), 1));
    deletions.DeleteQueued();
    ASSERT_EQ(stone->Components().size(), 2u);

    starts.clear();
    state.History.Undo();
    ASSERT_EQ(stone->Components().size(), 3u);
    const auto* back = dynamic_cast<const StartLogBehavior*>(stone->Components()[1]);
    ASSERT_NE(back, nullptr) << "back at its place";
    EXPECT_EQ(back->Tag, "kept");
    EXPECT_EQ(starts, (std::vector<std::string>{"kept.start"}));

    state.History.Undo();
    state.History.Undo();
    deletions.DeleteQueued();
    EXPECT_EQ(stone->Components().size(), 1u);
    state.History.Redo();
    state.History.Redo();
    ASSERT_EQ(stone->Components().size(), 3u);
    EXPECT_NE(stone->Tint(), nullptr);
}

TEST_F(PalObjectListTest, TheUnsavedLineCountsPrefabsAndLevelsApart) {
    EXPECT_EQ(UnsavedSummary(manager, "Lvl_A", false), "All saved");
    manager.Find("Stone")->IsModified = true;
    manager.Find("Holder")->IsModified = true;
    AddPrefab("Lvl_A", R"({"Components": "", "AutoCreate": ""})")->IsModified = true;
    EXPECT_EQ(UnsavedSummary(manager, "Lvl_A", true), "Unsaved: 2 prefabs, 1 level");
    EXPECT_EQ(UnsavedSummary(manager, "Lvl_B", true), "Unsaved: 2 prefabs, 2 levels");
    manager.Release("Stone");  // its file stays until a save deletes it
    EXPECT_EQ(UnsavedSummary(manager, "Lvl_A", true), "Unsaved: 2 prefabs, 1 level");
}

}  // namespace
