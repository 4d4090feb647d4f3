#include "editor/EditorState.h"
#include "editor/palettes/EdPalPrefabListBhv.h"
#include "editor/palettes/EdPaletteParts.h"
#include "editor/widgets/EdButtonBhv.h"
#include "editor/widgets/EdFieldBhv.h"
#include "editor/widgets/EdListItemBhv.h"
#include "game/TreePasses.h"
#include "graphics/Graphics.h"
#include "input/InputManager.h"
#include "support/PrefabTestContent.h"

namespace {

// The shipped "PalPrefabList" over a few prefabs of the test's own.
class EdPalPrefabListTest : public PrefabTestContent {
protected:
    EdPalPrefabListTest() {
        for (const char* name : {"EdWidgetBackground", "EdWidgetText", "EdButton", "EdListItem", "EdTitleBar", "EdField",
                                 "EdPropertyRow", "PalListScrollRow", "PalPrefabListEditRow", "PalPrefabListSaveRow",
                                 "PalPrefabListShippedRow", "PalPrefabList"}) {
            AddPrefab(name, ReadFile(std::filesystem::path(VELLIMOR_SOURCE_CONTENT) / "Prefabs" / (std::string(name) + ".json")));
        }
        state.IsActive = true;
        palette = new GameObject("PalPrefabList");
        root.AddChild(palette);
        list = palette->GetComponent<EdPalPrefabListBhv>();
        filter = EdPaletteParts::FindWidget<EdFieldBhv>(*palette, "Value");
    }
    ~EdPalPrefabListTest() override {
        while (!root.Children().empty()) delete root.Children().back();
    }

    void Frame() {
        TreePasses::InputPass(&root);
        TreePasses::UpdatePass(&root);
        input.PreviousKeys = input.CurrentKeys;
    }
    void Press(std::initializer_list<int> keys) {
        for (int key : keys) input.CurrentKeys.set(key);
        Frame();
        for (int key : keys) input.CurrentKeys.reset(key);
        Frame();
    }

    Graphics& graphics = engine.Make(Engine::Graphics);
    InputManager& input = engine.Make(Engine::InputManager);
    EditorState& state = engine.Make(Engine::EditorState);
    GameObject* palette = nullptr;
    EdPalPrefabListBhv* list = nullptr;
    EdFieldBhv* filter = nullptr;
};

TEST_F(EdPalPrefabListTest, TheFilterNarrowsTheRowsAndAClickPicksThePrefabShown) {
    ASSERT_NE(list, nullptr);
    ASSERT_NE(filter, nullptr);
    list->ScrollOffset = 1;
    filter->StartEditing(true);  // as while typing
    filter->Text = "rowm";
    Frame();
    EXPECT_EQ(list->ScrollOffset, 0u) << "a new filter starts at the top";
    EXPECT_EQ(list->Listed(), (std::vector<std::string>{}));
    filter->Text = "ROW";
    Frame();
    ASSERT_EQ(list->Listed().size(), 5u);
    EXPECT_EQ(list->Rows()[1]->Label, "PalListScrollRow");

    EdListItemBhv& row = *list->Rows()[1];
    input.Cursor = Vector2(row.Bounds.x + 5, row.Bounds.y + 5);
    Press({KeyLeftMouse});
    EXPECT_FALSE(filter->IsEditing);
    EXPECT_EQ(list->Filter, "ROW") << "the click committed the filter, and it stays";
    EXPECT_EQ(state.SelectedPrefabName, "PalListScrollRow");
    EXPECT_EQ(state.SelectedPrefab, manager.Find("PalListScrollRow"));
    EXPECT_TRUE(list->Rows()[1]->IsSelected);
}

TEST_F(EdPalPrefabListTest, KeysActOnlyWhileNoFieldIsBeingEdited) {
    state.SelectedPrefab = manager.Find("EdField");
    state.SelectedPrefabName = "EdField";
    Frame();
    EXPECT_TRUE(EdPaletteParts::FindWidget<EdButtonBhv>(*palette, "BtnSaveCurrent")->IsGrayedOut);

    filter->StartEditing(true);
    Press({KeyInsert});
    EXPECT_EQ(manager.Find("NewPrefab"), nullptr) << "Insert went to the field";
    filter->IsEditing = false;
    Press({KeyInsert});
    ASSERT_NE(manager.Find("NewPrefab"), nullptr);
    EXPECT_EQ(state.SelectedPrefabName, "NewPrefab");
    EXPECT_FALSE(EdPaletteParts::FindWidget<EdButtonBhv>(*palette, "BtnSaveCurrent")->IsGrayedOut);

    Press({KeyCtrl, KeyS});
    EXPECT_TRUE(std::filesystem::exists(PrefabDir() / "NewPrefab.json"));
    EXPECT_FALSE(manager.Find("NewPrefab")->IsModified);
}

}  // namespace
