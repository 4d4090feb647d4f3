#include "editor/EditorState.h"
#include "editor/level/EdLevelEditorBhv.h"
#include "editor/level/LevelKeeping.h"
#include "editor/level/LevelStore.h"
#include "editor/palettes/ObjectListActions.h"
#include "editor/palettes/PropertyEdits.h"
#include "editor/prefabs/ComponentEdits.h"
#include "editor/prefabs/EntryOperations.h"
#include "editor/prefabs/PrefabOperations.h"
#include "editor/recovery/UnsavedSummary.h"
#include "editor/undo/UpdateInstancesCommand.h"
#include "game/UiScreen.h"
#include "support/GameplayScene.h"

#include <cstdlib>
#include <deque>
#include <random>
#include <sstream>

namespace {

constexpr float kFrame = 1.0f / 30.0f;
const char* const kPlaceable[] = {"Rock", "Pebble", "Cluster"};
const char* const kAddedTypes[] = {"TintComponent", "ThingComponent", "AllValuesComponent", "StartLogBehavior"};

// Random editor operations over a small level and its prefabs, as the palettes and
// the level editor make them. After each, whatever a save would change on disk (Alt+S
// the level, save all every prefab) must show: the prefab modified, the level marked,
// the main palette's line other than "All saved"; and a play-test must bring back
// every live edit of the level. VELLIMOR_EDITS_SEED picks the seed.
class AllSavedTest : public GameplayScene {
protected:
    EditorState& editor = engine.Make(Engine::EditorState);
    AllSavedTest() {
        UiScreen::ResumeGameplay();
        manager.Release("Lvl_TestLevel2");
        manager.Release("Rock");
        AddPrefab("Rock", R"({"Components": {"Pos2dComponent": "", "SpriteComponent": {"Size": {"X": "2", "Y": "2"}},
            "ThingComponent": {"LayeringOrder": "3"}}, "AutoCreate": ""})");
        AddPrefab("Pebble", R"({"Components": {"Pos2dComponent": "", "SpriteComponent": ""}, "AutoCreate": ""})");
        AddPrefab("Cluster", R"({"Components": {"Pos2dComponent": ""}, "AutoCreate": [{"Name": "Inner", "Prefab": "Pebble",
            "InstanceProperties": {"SpriteComponent": {"Size": {"X": "3", "Y": "3"}}}}]})");
        AddPrefab("Spare", R"({"Components": {"ThingComponent": ""}, "AutoCreate": ""})");
        AddPrefab("Lvl_Sources", R"({"Components": "", "AutoCreate": [
            {"Prefab": "Rock", "InstanceProperties": {"Pos2dComponent": {"Pos": {"X": "0", "Y": "0"}, "Rotation": "0"},
                                                      "SpriteComponent": {"Size": {"X": "1", "Y": "1"}}}},
            {"Prefab": "Pebble", "InstanceProperties": {"Pos2dComponent": {"Pos": {"X": "0", "Y": "0"}}}},
            {"Prefab": "Cluster", "InstanceProperties": {"Pos2dComponent": {"Pos": {"X": "0", "Y": "0"}}}}]})");
        AddPrefab("Lvl_TestLevel2", R"({"Components": {"LevelBhv": {"SortOrder": "1"}}, "AutoCreate": [
            {"Prefab": "Rock"}, {"Prefab": "Rock"}, {"Prefab": "Pebble"}, {"Prefab": "Cluster"}]})");
        AddPrefab("Lvl_WorkingCopy", R"({"Components": {"LevelBhv": ""}, "AutoCreate": ""})");
        AddPrefab("EdSelectionIndicator", R"({"Components": {"Pos2dComponent": "", "SpriteComponent": ""}, "AutoCreate": ""})");
        AddPrefab("EdLevelEditor", R"({"Components": {"EdLevelEditorBhv": ""}, "AutoCreate": ""})");
        AddPrefab("EditorRoot", R"({"Components": {"EdRootBhv": ""}, "AutoCreate": [{"Prefab": "EdLevelEditor"}]})");
        AddScreen();
        auto* editorRoot = new GameObject("EditorRoot");
        root.AddChild(editorRoot);
        levelEditor = editorRoot->FindChild("EdLevelEditor")->GetComponent<EdLevelEditorBhv>();
        Frame(kFrame);
        Tap(KeyF1);
        // Every file as the game writes it and the level saved: all saved.
        for (const auto& [name, prefab] : manager.Prefabs()) WriteFile(PrefabDir() / (name + ".json"), prefab->ToJson());
        levelEditor->Session.RecordFileTimes();
        levelEditor->Session.SaveCurrent();
    }
    ~AllSavedTest() override { UiScreen::ResumeGameplay(); }

    void Tap(int key, std::initializer_list<int> modifiers = {}) {
        for (int m : modifiers) Hold(m);
        Hold(key);
        Frame(kFrame);
        Release(key);
        Frame(kFrame);
        for (int m : modifiers) Release(m);
        Frame(kFrame);
    }

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    std::size_t Index(std::size_t size) { return static_cast<std::size_t>(Int(0, static_cast<int>(size) - 1)); }
    template <class List>
    auto Pick(const List& from) { return from[Index(std::size(from))]; }

    GameObject* Level() const { return Child("Level"); }
    GameObject* FirstOf(const std::string& prefabName) const {
        for (GameObject* child : Level()->Children()) {
            if (child->PrefabName == prefabName) return child;
        }
        return nullptr;
    }
    // A placed object, now and then one inside a placed object; null in an empty level.
    GameObject* LevelObject() {
        if (Level()->Children().empty()) return nullptr;
        GameObject* placed = Pick(Level()->Children());
        return Int(0, 5) == 0 && !placed->Children().empty() ? placed->Children()[0] : placed;
    }
    void Select(GameObject* object, Prefab* prefab = nullptr, AutoCreate* entry = nullptr) {
        editor.SelectedObject = object;
        editor.SelectedPrefab = prefab;
        editor.SelectedAutoCreate = entry;
    }
    // What the edit palette edits: a level object, a prefab or one of their entries.
    EditTarget AnyTarget() {
        const int kind = liveOnly ? 0 : Int(0, 5);
        Prefab* prefab = manager.Find(kind == 5 ? "Lvl_Sources" : Pick(kPlaceable));
        if (kind < 3 || prefab == nullptr) {
            Select(LevelObject());
        } else if (kind == 3 || prefab->AutoCreates.empty()) {
            Select(nullptr, prefab);
        } else {
            Select(nullptr, nullptr, prefab->AutoCreates[Index(prefab->AutoCreates.size())].get());
        }
        return EditTarget::FromSelection(editor);
    }

    std::string TextFor(const PropertyRowBinding& row) {
        const std::type_info& type = *row.ValueType;
        if (type == typeid(bool)) return Int(0, 1) ? "true" : "false";
        if (type == typeid(Color)) return row.Sub == 0 ? (Int(0, 1) ? "0.5" : "1") : (Int(0, 1) ? "FF8000" : "00FF00");
        if (type == typeid(int) || type == typeid(float) || type == typeid(Vector2)) return std::to_string(Int(-5, 9));
        return "";  // names and enumerations: not generated
    }
    std::string EditValue() {
        const EditTarget target = AnyTarget();
        const std::vector<IEditable*> shown = target.Components();
        if (shown.empty()) return "edit: nothing shown";
        const std::size_t index = Index(shown.size());
        std::vector<PropertyRowBinding> rows;
        for (const PropertyRowBinding& row : PropertyEdits::RowsOf(*shown[index], index)) {
            if (!TextFor(row).empty()) rows.push_back(row);
        }
        if (rows.empty()) return "edit: no row";
        const PropertyRowBinding row = Pick(rows);
        const std::string text = !target.IsLive() && Int(0, 4) == 0 ? "" : TextFor(row);
        if (!PropertyEdits::Refusal(target, row, text).empty()) return "edit refused: " + row.Key;
        PropertyEdits::Commit(target, row, text);
        return "edit " + target.Title() + " " + row.Key + "=" + text;
    }
    std::string EditComponents() {
        const EditTarget target = AnyTarget();
        const int count = static_cast<int>(target.Components().size());
        switch (Int(0, 3)) {
            case 0: case 3: return "add " + std::to_string(ComponentEdits::Add(target, Pick(kAddedTypes)));
            case 1: return count == 0 ? "remove: none" : "remove " + std::to_string(ComponentEdits::Remove(target, Int(0, count - 1)));
            default: return count == 0 ? "move: none" : "move " + std::to_string(ComponentEdits::Move(target, Int(0, count - 1), Int(0, 1) ? 1 : -1));
        }
    }
    std::string ObjectList() {
        GameObject* object = LevelObject();
        editor.ListRoot = Int(0, 4) == 0 && object != nullptr ? object : Level();
        Select(object);
        switch (object == nullptr ? 0 : Int(0, 4)) {
            case 0: ObjectListActions::Add(Pick(kPlaceable)); return "list add";
            case 1: ObjectListActions::RemoveSelected(); return "list remove";
            case 2: ObjectListActions::MoveSelected(Int(0, 1) ? 1 : -1); return "list move";
            case 3: ObjectListActions::ReloadSelected(); return "list reload";
            default: ObjectListActions::SaveSelected(); return "list Ctrl+S";
        }
    }
    std::string LevelEditorKeys() {
        GameObject* placed = Level()->Children().empty() ? nullptr : Pick(Level()->Children());
        if (placed != nullptr) levelEditor->Selection.Set({placed});
        switch (Level()->Children().size() < 5 ? 0 : Int(0, 4)) {
            case 0:
                editor.SelectedPrefabName = Pick(kPlaceable);
                PointAtWorld(Vector2(static_cast<float>(Int(-8, 8)), static_cast<float>(Int(-5, 5))));
                Tap(KeyLeftMouse);
                return "place " + editor.SelectedPrefabName;
            case 1: Tap(KeyX); return "delete";
            case 2: Tap(KeyRight, {KeyShift}); return "nudge";
            case 3:
                PointAtWorld(placed->GetPosition() + Vector2(3.0f, 0.0f));
                Tap(KeyR);
                PointAtWorld(placed->GetPosition() + Vector2(0.0f, 3.0f));
                Frame(kFrame);
                Tap(KeyOemEnter);
                return "turn";
            default: Tap(KeyD, {KeyShift}); Tap(KeyOemEnter); return "duplicate";
        }
    }
    std::string PrefabWork() {
        Prefab* cluster = manager.Find("Cluster");
        switch (Int(0, 3)) {
            case 0: if (cluster != nullptr) EntryOperations().Add(*cluster, "Pebble"); return "entry add";
            case 1:
                if (cluster != nullptr && !cluster->AutoCreates.empty()) {
                    EntryOperations().Move(*cluster->AutoCreates[Index(cluster->AutoCreates.size())], 1);
                }
                return "entry move";
            case 2: PrefabOperations().Remove("Spare"); return "remove Spare";
            default: {
                auto command = std::make_unique<UpdateInstancesCommand>(Pick(kPlaceable), root, editor.History);
                if (command->Apply()) editor.History.Push(std::move(command));
                return "update all";
            }
        }
    }
    // Edits of the live level alone: what the level file does not bring back is lost.
    std::string LiveOperation() {
        switch (Int(0, 7)) {
            case 0: case 1: case 2: return EditValue();
            case 3: case 4: return EditComponents();
            case 5: return ObjectList();
            case 6: return LevelEditorKeys();
            default: return Int(0, 1) ? (levelEditor->Undo(), "undo") : (levelEditor->Redo(), "redo");
        }
    }
    // Every object below the level with its flags and every value, as text.
    std::string Snapshot(const GameObject& object, const std::string& indent = "") const {
        std::string text = indent + object.Name + " (" + object.PrefabName + ") " + std::to_string(object.InputEnabled) +
                           std::to_string(object.UpdateEnabled) + std::to_string(object.DrawEnabled) + "\n";
        for (const Component* component : object.Components()) {
            const auto* editable = dynamic_cast<const IEditable*>(component);
            if (editable == nullptr) continue;
            text += indent + "  " + manager.TypeNameOf(*editable);
            for (const auto& [name, value] : editable->Properties) {
                for (int i = 0;; ++i) {
                    const SubProperty sub = value->GetSubProperty(name, i);
                    text += " " + sub.Key() + "=" + sub.ToText();
                    if (sub.IsLast) break;
                }
            }
            text += "\n";
        }
        for (const GameObject* child : object.Children()) text += Snapshot(*child, indent + "  ");
        return text;
    }

    std::string Operation() {
        // Saves come often: a change is caught only while nothing else marks its file.
        switch (Int(0, 13)) {
            case 0: case 1: case 2: return EditValue();
            case 3: case 4: return EditComponents();
            case 5: return ObjectList();
            case 6: return LevelEditorKeys();
            case 7: return PrefabWork();
            case 8: levelEditor->Undo(); return "undo";
            case 9: levelEditor->Redo(); return "redo";
            case 10: Tap(KeyF1); Tap(KeyF1); return "play-test";
            case 11: return "Alt+S " + std::to_string(levelEditor->Session.SaveCurrent());
            case 12: return "save all " + std::to_string(PrefabOperations().SaveAll());
            default:
                return "both saved " + std::to_string(levelEditor->Session.SaveCurrent() && PrefabOperations().SaveAll());
        }
    }

    // The first line where the texts differ, as "first | second".
    static std::string FirstDifference(const std::string& written, const std::string& onDisk) {
        std::istringstream a(written), b(onDisk);
        std::string x, y;
        for (int line = 1; a || b; ++line) {
            x.clear();
            y.clear();
            std::getline(a, x);
            std::getline(b, y);
            if (x != y) return "line " + std::to_string(line) + ": " + x + " | " + y;
        }
        return "";
    }
    bool IsAsOnDisk(const Prefab& prefab) const {
        return (prefab.FileName.empty() || prefab.FileName == prefab.Name) &&
               ReadFile(PrefabDir() / (prefab.Name + ".json")) == prefab.ToJson();
    }
    // Each file a save would change while no marker says so; "" when the markers hold.
    std::string UnmarkedChanges() const {
        std::string unmarked;
        bool changes = !manager.PendingRemovals().empty();
        for (const auto& [name, prefab] : manager.Prefabs()) {
            const bool changed = !IsAsOnDisk(*prefab);
            changes = changes || changed;
            if (changed && !prefab->IsModified) unmarked += "prefab " + name + " not modified; ";
        }
        const Prefab* sources = manager.Find("Lvl_Sources");
        const bool levelMarked = levelEditor->Session.HasUnsavedLevel();
        if (Level() != nullptr && sources != nullptr && LevelStore::UnlistedObjects(*Level(), sources).empty()) {
            const std::string own = levelEditor->Session.OwnName();
            const Prefab* saved = manager.Find(own);
            std::unique_ptr<Prefab> written = saved != nullptr ? saved->Copy() : std::make_unique<Prefab>(manager, own);
            LevelStore::FillEntries(*written, *Level(), *sources);
            const std::string difference = FirstDifference(written->ToJson(), ReadFile(PrefabDir() / (own + ".json")));
            changes = changes || !difference.empty();
            if (!difference.empty() && !levelMarked && !(saved != nullptr && saved->IsModified)) {
                unmarked += "level " + own + " not marked, " + difference + "; ";
            }
        }
        if (changes && UnsavedSummary(manager, Level()->PrefabName, levelMarked) == "All saved") unmarked += "\"All saved\"";
        return unmarked;
    }

    unsigned Seed() {
        const char* chosen = std::getenv("VELLIMOR_EDITS_SEED");
        const unsigned seed = chosen != nullptr ? static_cast<unsigned>(std::strtoul(chosen, nullptr, 10)) : 24u;
        random.seed(seed);
        return seed;
    }
    // The operation just made, remembered with the few before it for a failure's report.
    void Note(const std::string& operation) {
        recent.push_back(operation);
        if (recent.size() > 8) recent.pop_front();
    }
    std::string Report(unsigned seed, int step, const std::string& problem) const {
        std::string text = "seed " + std::to_string(seed) + ", operation " + std::to_string(step) + ": " + problem +
                           "\nlast operations:\n";
        for (const std::string& operation : recent) text += "  " + operation + "\n";
        return text;
    }

    EdLevelEditorBhv* levelEditor = nullptr;
    std::mt19937 random;
    std::deque<std::string> recent;
    bool liveOnly = false;
};

TEST_F(AllSavedTest, RandomEditsNeverLeaveAChangeASaveWouldWriteUnmarked) {
    const unsigned seed = Seed();
    ASSERT_EQ(UnmarkedChanges(), "");
    ASSERT_EQ(UnsavedSummary(manager, Level()->PrefabName, levelEditor->Session.HasUnsavedLevel()), "All saved");
    for (int step = 0; step < 400; ++step) {
        Note(Operation());
        Frame(kFrame);  // the deletion phase of the frame
        const std::string unmarked = UnmarkedChanges();
        ASSERT_EQ(unmarked, "") << Report(seed, step, "unmarked");
    }
}

// A play-test saves the level as the working copy and loads it again: every live
// edit made since must come back, or must have been refused.
TEST_F(AllSavedTest, RandomLiveEditsComeBackFromTheLevelFileOrWereRefused) {
    const unsigned seed = Seed();
    liveOnly = true;
    for (int step = 0; step < 300; ++step) {
        Note(LiveOperation());
        Frame(kFrame);
        if (step % 6 != 5) continue;
        const std::string before = Snapshot(*Level());
        Tap(KeyF1);
        Tap(KeyF1);
        const std::string lost = FirstDifference(before, Snapshot(*Level()));
        ASSERT_EQ(lost, "") << Report(seed, step, "lost");
    }
}

TEST_F(AllSavedTest, AComponentAddedToAPlacedObjectReachesTheLevelFileAndComesBackStarted) {
    GameObject* rock = FirstOf("Rock");
    Select(rock);
    ASSERT_TRUE(ComponentEdits::Add(EditTarget::FromSelection(editor), "StartLogBehavior"));
    EXPECT_TRUE(levelEditor->Session.HasUnsavedLevel());
    const std::size_t added = rock->Components().size() - 1;
    const PropertyRowBinding tag{added, "Tag", 0, &typeid(std::string), "Tag"};
    ASSERT_EQ(PropertyEdits::Refusal(EditTarget::FromSelection(editor), tag, "kept"), "");
    PropertyEdits::Commit(EditTarget::FromSelection(editor), tag, "kept");
    ASSERT_TRUE(levelEditor->Session.SaveCurrent());
    EXPECT_NE(ReadFile(PrefabDir() / "Lvl_TestLevel2.json").find("\"Tag\": \"kept\""), std::string::npos);

    starts.clear();
    Tap(KeyF1);  // a play-test: the level comes back from the file
    Tap(KeyF1);
    auto* restarted = dynamic_cast<StartLogBehavior*>(FirstOf("Rock")->Components().back());
    ASSERT_NE(restarted, nullptr);
    EXPECT_EQ(restarted->Tag, "kept");
    EXPECT_EQ(starts, (std::vector<std::string>{"kept.start"}));
}

TEST_F(AllSavedTest, WhatALevelCannotKeepIsRefusedWithAMessageAndAddedComponentsStayFree) {
    Select(FirstOf("Rock"));
    const EditTarget target = EditTarget::FromSelection(editor);
    const std::size_t warned = warnings.size();
    EXPECT_FALSE(ComponentEdits::Remove(target, 1)) << "the prefab's sprite";
    EXPECT_FALSE(ComponentEdits::Add(target, "ThingComponent")) << "a second of a type";
    EXPECT_FALSE(ComponentEdits::Move(target, 0, 1));
    EXPECT_EQ(warnings.size(), warned + 3);
    const auto row = [](std::size_t component, const char* property, const std::type_info& type) {
        return PropertyRowBinding{component, property, 0, &type, property};
    };
    EXPECT_EQ(PropertyEdits::Refusal(target, row(0, "Pos", typeid(Vector2)), "4"), "") << "listed in Lvl_Sources";
    EXPECT_NE(PropertyEdits::Refusal(target, row(2, "LayeringOrder", typeid(int)), "4"), "");
    EXPECT_EQ(LevelKeeping::RefusalToTurn(*FirstOf("Rock")), "");
    EXPECT_NE(LevelKeeping::RefusalToTurn(*FirstOf("Pebble")), "") << "its sources entry lists no rotation";
    EXPECT_FALSE(levelEditor->Session.HasUnsavedLevel());

    ASSERT_TRUE(ComponentEdits::Add(target, "TintComponent"));
    ASSERT_TRUE(ComponentEdits::Add(EditTarget::FromSelection(editor), "AllValuesComponent"));
    EXPECT_TRUE(ComponentEdits::Move(EditTarget::FromSelection(editor), 4, -1));
    EXPECT_EQ(PropertyEdits::Refusal(EditTarget::FromSelection(editor), row(3, "Int", typeid(int)), "4"), "");
    EXPECT_TRUE(ComponentEdits::Remove(EditTarget::FromSelection(editor), 4));

    Select(FirstOf("Cluster")->Children()[0]);
    EXPECT_FALSE(ComponentEdits::Add(EditTarget::FromSelection(editor), "TintComponent")) << "inside a placed object";
}

TEST_F(AllSavedTest, OnlyAnotherWritersChangeToTheLevelFileHoldsAltSBack) {
    Select(FirstOf("Rock"));
    ObjectListActions::SaveSelected();  // writes the level file: the entry that made the rock
    EXPECT_TRUE(levelEditor->Session.SaveCurrent());
    const std::filesystem::path file = PrefabDir() / "Lvl_TestLevel2.json";
    WriteFile(file, ReadFile(file) + "\n");
    EXPECT_FALSE(levelEditor->Session.SaveCurrent());
    EXPECT_TRUE(levelEditor->Session.SaveCurrent()) << "asked once";
}

}  // namespace
