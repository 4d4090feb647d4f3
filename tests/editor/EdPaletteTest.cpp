#include "editor/EditorState.h"
#include "editor/palettes/EdListPaletteBhv.h"
#include "editor/palettes/EdPaletteBhv.h"
#include "editor/undo/PrefabEditCommand.h"
#include "editor/widgets/EdButtonBhv.h"
#include "editor/widgets/EdListItemBhv.h"
#include "game/TreePasses.h"
#include "graphics/Graphics.h"
#include "input/InputManager.h"
#include "support/PrefabTestContent.h"

#include <string>
#include <vector>

namespace {

// A list of `Entries` names shown in the palette's rows.
class NameList : public EdListPaletteBhv {
public:
    std::vector<std::string> Entries;
    std::vector<std::size_t> Clicked;

protected:
    std::size_t EntryCount() const override { return Entries.size(); }
    void FillRow(EdListItemBhv& row, std::size_t entry) override { row.Label = Entries[entry]; }
    void OnRowLeftClick(std::size_t entry) override { Clicked.push_back(entry); }
};

class EdPaletteTest : public PrefabTestContent {
protected:
    EdPaletteTest() {
        for (const char* name : {"EdWidgetBackground", "EdWidgetText", "EdButton", "EdListItem", "EdTitleBar"}) {
            AddPrefab(name, ReadFile(std::filesystem::path(VELLIMOR_SOURCE_CONTENT) / "Prefabs" / (std::string(name) + ".json")));
        }
        palette_ = new GameObject();
        root.AddChild(palette_);
        for (const char* name : {"EdTitleBar", "EdListItem", "EdListItem", "EdListItem", "EdButton"}) {
            palette_->AddChild(new GameObject(name));
        }
        palette_->Children().back()->Name = "BtnScrollDown";
        window_ = new EdPaletteBhv();
        list_ = new NameList();
        palette_->AddComponent(window_);
        palette_->AddComponent(list_);
        window_->Start();
        list_->Start();
    }
    ~EdPaletteTest() override {
        while (!root.Children().empty()) delete root.Children().back();
    }

    void Frame() {
        TreePasses::InputPass(&root);
        TreePasses::UpdatePass(&root);
        input.Update();
    }

    Graphics& graphics = engine.Make(Engine::Graphics);
    InputManager& input = engine.Make(Engine::InputManager);
    GameObject* palette_ = nullptr;
    EdPaletteBhv* window_ = nullptr;
    NameList* list_ = nullptr;
};

TEST_F(EdPaletteTest, RowsStackAndAHiddenRowTakesNoSpace) {
    Frame();
    const float full = window_->PaletteHeight();
    EXPECT_GT(full, 0.0f);
    GameObject* second = palette_->Children()[2];
    second->DrawEnabled = false;
    Frame();
    EXPECT_FLOAT_EQ(window_->PaletteHeight(), full - second->GetComponent<EdListItemBhv>()->Height);
    const Rect third = palette_->Children()[3]->GetComponent<EdListItemBhv>()->Bounds;
    EXPECT_FLOAT_EQ(third.y, palette_->Children()[1]->GetComponent<EdListItemBhv>()->Bounds.y +
                                 palette_->Children()[1]->GetComponent<EdListItemBhv>()->Height);
}

TEST_F(EdPaletteTest, RowsShowTheEntriesFromTheOffsetAndTheDownButtonStepsWhileHeld) {
    list_->Entries = {"a", "b", "c", "d", "e"};
    Frame();
    auto* down = palette_->FindChild("BtnScrollDown")->GetComponent<EdButtonBhv>();
    EXPECT_EQ(list_->Rows()[0]->Label, "a");
    EXPECT_FALSE(down->IsGrayedOut);

    input.Cursor = Vector2(down->Bounds.x + 5, down->Bounds.y + 5);
    input.CurrentKeys.set(KeyLeftMouse);
    for (int frame = 0; frame < 20; ++frame) {
        time.DeltaSeconds = 0.02f;
        Frame();
    }
    input.CurrentKeys.reset(KeyLeftMouse);
    Frame();
    // Five entries in three rows: two steps, then the button grays.
    EXPECT_EQ(list_->ScrollOffset, 2u);
    EXPECT_EQ(list_->Rows()[2]->Label, "e");
    EXPECT_TRUE(down->IsGrayedOut);

    // A row click reports the entry shown in it; an emptied list empties its rows.
    input.Cursor = Vector2(list_->Rows()[0]->Bounds.x + 5, list_->Rows()[0]->Bounds.y + 5);
    input.CurrentKeys.set(KeyLeftMouse);
    Frame();
    input.CurrentKeys.reset(KeyLeftMouse);
    Frame();
    EXPECT_EQ(list_->Clicked, std::vector<std::size_t>{2});
    list_->Entries.clear();
    Frame();
    EXPECT_EQ(list_->ScrollOffset, 0u);
    EXPECT_EQ(list_->Rows()[0]->Label, "");
}

TEST_F(EdPaletteTest, TheWheelScrollsTheListUnderThePointerAndAGrowingListFillsTheRoomBelowIt) {
    list_->Entries = std::vector<std::string>(200, "x");
    Frame();
    const Rect bounds = window_->ScreenBounds();
    input.WheelNotches = -2;  // towards the user: down the list
    input.Cursor = Vector2(bounds.x + bounds.width + 5, bounds.y + 5);
    Frame();
    EXPECT_EQ(list_->ScrollOffset, 0u) << "the pointer is beside the palette";
    input.Cursor = Vector2(bounds.x + 5, bounds.y + 5);
    Frame();
    EXPECT_EQ(list_->ScrollOffset, 2u * EdListPaletteBhv::WheelStep);
    input.WheelNotches = 10;
    Frame();
    EXPECT_EQ(list_->ScrollOffset, 0u);
    input.WheelNotches = 0;

    // Grown down to the window's bottom (720), then only to a palette shown below it.
    list_->FillsRoomBelow = true;
    for (int frame = 0; frame < 3; ++frame) Frame();
    const float bottom = window_->TopLeft.y + window_->PaletteHeight();
    EXPECT_GT(list_->Rows().size(), 20u);
    EXPECT_LE(bottom, 710.0f);
    EXPECT_GT(bottom, 710.0f - 20.0f);
    auto* below = new GameObject();
    root.AddChild(below);
    auto* other = new EdPaletteBhv();
    below->AddComponent(other);
    other->TopLeft = Vector2(window_->TopLeft.x + 10.0f, 300.0f);
    for (int frame = 0; frame < 3; ++frame) Frame();
    EXPECT_LE(window_->TopLeft.y + window_->PaletteHeight(), 290.0f);
    other->TopLeft.y = window_->TopLeft.y + 1.0f;  // so near the top that three rows stay
    for (int frame = 0; frame < 3; ++frame) Frame();
    EXPECT_EQ(list_->Rows().size(), EdListPaletteBhv::MinRows);
}

TEST_F(EdPaletteTest, APrefabEditIsUndoneAndRedoneExactly) {
    EditorState state;
    Prefab* ant = AddPrefab("Ant", R"({"Components": {"AllValuesComponent": {"Int": "3"}},
        "AutoCreate": [{"Name": "Leg", "Prefab": "Ant"}, {"Name": "Eye", "Prefab": "Ant"}]})");
    const std::string saved = ant->ToJson();
    state.SelectedPrefab = ant;
    state.SelectedAutoCreate = ant->AutoCreates[1].get();

    auto rename = std::make_unique<PrefabEditCommand>(std::vector<std::string>{"Ant"}, manager, &state);
    ant->Rename("Beetle");
    ant->IsModified = true;
    ASSERT_TRUE(rename->Finish({ant->Name}));

    rename->Undo();
    ASSERT_EQ(manager.Find("Beetle"), nullptr);
    Prefab* back = manager.Find("Ant");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->ToJson(), saved);
    EXPECT_FALSE(back->IsModified);
    // The selection follows the prefab back to its old name, entry and all.
    EXPECT_EQ(state.SelectedPrefab, back);
    EXPECT_EQ(state.SelectedAutoCreate, back->AutoCreates[1].get());

    rename->Redo();
    EXPECT_EQ(manager.Find("Ant"), nullptr);
    ASSERT_NE(manager.Find("Beetle"), nullptr);
    EXPECT_TRUE(manager.Find("Beetle")->IsModified);
    EXPECT_EQ(state.SelectedPrefab, manager.Find("Beetle"));

    PrefabEditCommand unchanged(std::vector<std::string>{"Beetle"}, manager, &state);
    EXPECT_FALSE(unchanged.Finish());
}

TEST_F(EdPaletteTest, ObjectsKeepTheEntryThatMadeThemAcrossAnUndo) {
    AddPrefab("Body", R"({"Components": "", "AutoCreate": ""})");
    Prefab* bug = AddPrefab("Bug", R"({"Components": "", "AutoCreate": [{"Name": "Head", "Prefab": "Body"},
        {"Name": "Tail", "Prefab": "Body"}]})");
    auto* instance = new GameObject("Bug");
    root.AddChild(instance);
    EditorState state;
    PrefabEditCommand rename(std::vector<std::string>{"Bug"}, manager, &state);
    bug->AutoCreates[1]->Name = "Sting";
    ASSERT_TRUE(rename.Finish());
    for (int step = 0; step < 2; ++step) {
        step == 0 ? rename.Undo() : rename.Redo();
        EXPECT_EQ(instance->FindChild("Head")->MadeBy.Get(), bug->AutoCreates[0].get());
        EXPECT_EQ(instance->FindChild("Tail")->MadeBy.Get(), bug->AutoCreates[1].get());
    }
}

}  // namespace
