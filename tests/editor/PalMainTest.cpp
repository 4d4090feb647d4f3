#include "editor/EditorState.h"
#include "editor/palettes/EdPalMainBhv.h"
#include "editor/palettes/EdPaletteParts.h"
#include "editor/widgets/EdListItemBhv.h"
#include "editor/widgets/EdToggleBhv.h"
#include "game/GameplayScreenBhv.h"
#include "game/TreePasses.h"
#include "graphics/Graphics.h"
#include "graphics/SpriteComponent.h"
#include "input/InputManager.h"
#include "support/PrefabTestContent.h"

#include <string>

namespace {

// The shipped "PalMain" under a palettes root with one other palette ("PalObjectList");
// the other three it names are missing, which is no error.
class PalMainTest : public PrefabTestContent {
protected:
    PalMainTest() {
        for (const char* name : {"EdWidgetBackground", "EdWidgetText", "EdToggle", "EdListItem", "EdTitleBar",
                                 "EdSpacer", "EdRowMultiContainer", "PalMainInsertingRow", "PalMainLockRow", "PalMain"}) {
            AddPrefab(name, ReadFile(std::filesystem::path(VELLIMOR_SOURCE_CONTENT) / "Prefabs" / (std::string(name) + ".json")));
        }
        AddPrefab("Lvl_Sources", R"({"Components": "", "AutoCreate": [{"Prefab": "Stone"}]})");
        auto* palettes = new GameObject();
        root.AddChild(palettes);
        palettes->AddChild(new GameObject("PalMain"));
        objectList = new GameObject();
        objectList->Name = "PalObjectList";
        palettes->AddChild(objectList);
        main = palettes->Children()[0]->GetComponent<EdPalMainBhv>();
    }
    ~PalMainTest() override {
        while (!root.Children().empty()) delete root.Children().back();
    }

    void Frame() {
        TreePasses::InputPass(&root);
        TreePasses::UpdatePass(&root);
        input.Update();
    }
    EdToggleBhv* Toggle(const char* name) const { return main->Owner()->FindChild(name)->GetComponent<EdToggleBhv>(); }
    std::string Line(const GameObject* row) const { return row->GetComponent<EdListItemBhv>()->Label; }

    EditorState& state = engine.Make(Engine::EditorState);
    Graphics& graphics = engine.Make(Engine::Graphics);
    InputManager& input = engine.Make(Engine::InputManager);
    GameObject* objectList = nullptr;
    EdPalMainBhv* main = nullptr;
};

TEST_F(PalMainTest, TogglesShowPalettesAndFollowTheEditorsSwitches) {
    EXPECT_EQ(state.MainPalette, main);
    Toggle("ChkObjectList")->OnChanged(false);
    EXPECT_FALSE(objectList->DrawEnabled || objectList->InputEnabled || objectList->UpdateEnabled);
    Toggle("ChkEdit")->OnChanged(true);  // its palette is missing

    state.PalettesShown = false;  // F1
    Frame();
    EXPECT_FALSE(Toggle("ChkPrefabList")->Value);
    state.PalettesShown = true;  // the end of a play-test
    Frame();
    EXPECT_TRUE(objectList->DrawEnabled);
    EXPECT_TRUE(Toggle("ChkAutoCreateList")->Value);

    Toggle("ChkPauseGame")->OnChanged(true);
    Toggle("ChkShowPhysics")->OnChanged(true);
    EXPECT_TRUE(state.PauseGame);
    EXPECT_TRUE(graphics.ShowPhysics);
}

TEST_F(PalMainTest, TheObLineNamesOnlyAPlaceablePrefab) {
    const GameObject* label = main->Owner()->FindChild("InsertingRow")->FindChild("Label");
    state.SelectedPrefabName = "Stone";
    Frame();
    EXPECT_EQ(Line(label), "Ob: Stone");
    state.SelectedPrefabName = "PalMain";
    Frame();
    EXPECT_EQ(Line(label), "Ob: ");
    manager.Find("PalMain")->IsModified = true;
    Frame();
    EXPECT_EQ(Line(main->Owner()->FindChild("UnsavedRow")), "Unsaved: 1 prefab");
}

TEST_F(PalMainTest, TheLockRowOffersTheLayersTheLevelDrawsOnAndSwitchesTheirLocks) {
    auto* screenObject = new GameObject();
    root.AddChild(screenObject);
    auto* screen = new GameplayScreenBhv();
    screenObject->AddComponent(screen);
    engine.Use(Engine::GameplayScreen, screen);
    auto* level = new GameObject();
    level->Name = "Level";
    screenObject->AddChild(level);
    auto* ant = new GameObject();
    level->AddChild(ant);
    auto* sprite = new SpriteComponent();
    sprite->Layer = DrawLayer::ForegroundLit;
    ant->AddComponent(sprite);
    Frame();
    Frame();  // the row stacks what the lock toggles showed a frame before

    const auto cell = [this](const char* name) {
        return EdPaletteParts::FindWidget<EdToggleBhv>(*main->Owner(), std::string("ChkLock") + name);
    };
    EXPECT_FALSE(cell("BackgroundLit")->Owner()->DrawEnabled) << "the ground is locked, but this level has none";
    ASSERT_TRUE(cell("ForegroundLit")->Owner()->DrawEnabled);
    EXPECT_EQ(cell("ForegroundLit")->Bounds.width, Toggle("ChkPauseGame")->Bounds.width) << "alone in its row";
    EXPECT_FALSE(cell("ForegroundLit")->Value);
    EXPECT_TRUE(EdPaletteParts::FindDescendant(*main->Owner(), "LockLabel")->DrawEnabled);

    cell("ForegroundLit")->OnChanged(true);
    EXPECT_EQ(state.LockedLayers, static_cast<unsigned>(DrawLayer::BackgroundLit) |
                                      static_cast<unsigned>(DrawLayer::ForegroundLit));
    state.LockedLayers = 0;
    Frame();
    EXPECT_FALSE(cell("ForegroundLit")->Value);
}

}  // namespace
