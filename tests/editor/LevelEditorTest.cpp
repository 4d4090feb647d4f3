#include "editor/EdRootBhv.h"
#include "editor/EditorState.h"
#include "editor/level/EdLevelEditorBhv.h"
#include "editor/level/LevelStore.h"
#include "game/LevelBhv.h"
#include "game/UiScreen.h"
#include "graphics/TextureManager.h"
#include "support/GameplayScene.h"
#include "support/TestAtlas.h"

#include <cstring>

namespace {

bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A level of three rocks (opaque 2 x 2 sprites at (-4, 0), (4, 0) and (0.3, 5.1))
// under a gameplay screen, with the editor root beside it, opened with F1.
class LevelEditorTest : public GameplayScene {
protected:
    EditorState& editor = engine.Make(Engine::EditorState);
    TextureManager& textures = engine.Make(Engine::TextureManager, std::filesystem::temp_directory_path(),
                                           std::make_unique<FakeUploader>());
    LevelEditorTest() {
        UiScreen::ResumeGameplay();
        textures.AddTexture("Test", "Solid", SolidImage(2, 2, 120, 120, 120));
        manager.Release("Lvl_TestLevel2");
        manager.Release("Rock");
        AddPrefab("Rock", R"({"Components": {"Pos2dComponent": "", "SpriteComponent": {"Size": {"X": "2", "Y": "2"}, "Tex": "Solid"}},
                              "AutoCreate": ""})");
        AddPrefab("Pebble", R"({"Components": {"Pos2dComponent": "", "SpriteComponent": ""}, "AutoCreate": ""})");
        AddLevel("Lvl_TestLevel2", 1, {{-4.0f, 0.0f}, {4.0f, 0.0f}, {0.3f, 5.1f}});
        AddLevel("Lvl_Second", 2, {{1.0f, 1.0f}});
        AddLevel("Lvl_Hidden", 0, {});
        AddPrefab("Lvl_WorkingCopy", R"({"Components": {"LevelBhv": ""}, "AutoCreate": ""})");
        AddPrefab("Lvl_Sources", R"({"Components": "", "AutoCreate": [{"Prefab": "Rock", "InstanceProperties":
            {"Pos2dComponent": {"Pos": {"X": "0", "Y": "0"}, "Rotation": "0"}}}]})");
        AddPrefab("EdSelectionIndicator", R"({"Components": {"Pos2dComponent": "", "SpriteComponent": ""}, "AutoCreate": ""})");
        AddPrefab("EdLevelEditor", R"({"Components": {"EdLevelEditorBhv": ""}, "AutoCreate": ""})");
        AddPrefab("EditorRoot", R"({"Components": {"EdRootBhv": ""}, "AutoCreate": [{"Prefab": "EdLevelEditor"}]})");
        AddScreen();
        editorRoot = new GameObject("EditorRoot");
        root.AddChild(editorRoot);
        levelEditor = editorRoot->FindChild("EdLevelEditor")->GetComponent<EdLevelEditorBhv>();
        Frame();
        Tap(KeyF1);
    }
    ~LevelEditorTest() override { UiScreen::ResumeGameplay(); }

    void AddLevel(const std::string& name, int order, std::vector<Vector2> rocks) {
        std::string entries;
        for (Vector2 p : rocks) {
            entries += std::string(entries.empty() ? "" : ",") + R"({"InstanceProperties": {"Pos2dComponent": {"Pos": {"X": ")" +
                       PropertyText::FormatFloat(p.x) + R"(", "Y": ")" + PropertyText::FormatFloat(p.y) +
                       R"("}, "Rotation": "0"}}, "Prefab": "Rock"})";
        }
        Prefab* prefab = AddPrefab(name, R"({"Components": {"LevelBhv": {"SortOrder": ")" + std::to_string(order) +
                                             R"("}}, "AutoCreate": [)" + entries + "]}");
        WriteFile(PrefabDir() / (name + ".json"), prefab->ToJson());  // as the game writes it
    }

    void Tap(int key, std::initializer_list<int> modifiers = {}) {
        for (int m : modifiers) Hold(m);
        Hold(key);
        Frame();
        Release(key);
        Frame();  // typed keys are seen a frame later, the modifiers still held
        for (int m : modifiers) Release(m);
        Frame();
    }
    GameObject* Level() const { return Child("Level"); }
    GameObject* Rock(std::size_t i) const { return Level()->Children()[i]; }
    const std::vector<GameObject*>& Selected() { return levelEditor->Selected(); }
    void SelectAt(Vector2 p, std::initializer_list<int> modifiers = {}) {
        PointAtWorld(p);
        Tap(KeyRightMouse, modifiers);
    }
    std::string LevelFile(const std::string& name = "Lvl_TestLevel2") const {
        return ReadFile(PrefabDir() / (name + ".json"));
    }
    bool Modified() const { return Level()->GetComponent<LevelBhv>()->IsModified; }

    GameObject* editorRoot = nullptr;
    EdLevelEditorBhv* levelEditor = nullptr;
};

TEST_F(LevelEditorTest, F1PausesTheFieldButNotTheEditorAndAPauseMenuKeepsItShut) {
    EXPECT_TRUE(editor.IsActive);
    EXPECT_FALSE(screen->Owner()->UpdateEnabled);
    EXPECT_TRUE(editorRoot->UpdateEnabled);
    EXPECT_TRUE(editorRoot->FindChild("EdLevelEditor")->InputEnabled);
    Tap(KeyF1);
    EXPECT_FALSE(editor.IsActive);
    EXPECT_TRUE(screen->Owner()->UpdateEnabled);

    UiScreen::PauseGameplay();  // a menu asks for a pause while the editor's toggle is off
    EXPECT_FALSE(screen->Owner()->UpdateEnabled);
}

TEST_F(LevelEditorTest, PickingTakesTheLastHitAndRightClickOnEmptySpaceClearsOnlyWithoutShift) {
    auto* nested = new GameObject("Rock");  // a child of the last rock, over the second
    nested->Pos2d()->Pos = {4.0f, 0.0f};
    Rock(2)->AddChild(nested);
    SelectAt({4.0f, 0.0f});
    ASSERT_EQ(Selected().size(), 1u);
    EXPECT_EQ(Selected()[0], Rock(2)) << "the nested hit comes last in the walk and maps to its level child";

    SelectAt({-4.0f, 0.0f}, {KeyShift});
    EXPECT_EQ(Selected().size(), 2u);
    SelectAt({20.0f, 20.0f}, {KeyShift});
    EXPECT_EQ(Selected().size(), 2u);
    SelectAt({20.0f, 20.0f});
    EXPECT_TRUE(Selected().empty());
}

TEST_F(LevelEditorTest, EscEndsAGrabOrRotationWithEveryPositionAndRotationBackBitForBit) {
    SelectAt({0.3f, 5.1f});
    const Vector2 before = Rock(2)->Pos2d()->Pos;
    Tap(KeyG);
    PointAtWorld({3.17f, -2.9f});
    Frame();
    EXPECT_NE(Rock(2)->Pos2d()->Pos, before);
    Tap(KeyEsc);
    EXPECT_TRUE(SameBits(Rock(2)->Pos2d()->Pos.x, before.x) && SameBits(Rock(2)->Pos2d()->Pos.y, before.y));

    Tap(KeyR);  // one object turns about itself
    PointAtWorld({-7.0f, 9.0f});
    Frame();
    EXPECT_NE(Rock(2)->Pos2d()->Rotation, 0.0f);
    EXPECT_TRUE(SameBits(Rock(2)->Pos2d()->Pos.x, before.x) && SameBits(Rock(2)->Pos2d()->Pos.y, before.y));
    Tap(KeyEsc);
    EXPECT_TRUE(SameBits(Rock(2)->Pos2d()->Rotation, 0.0f));
    EXPECT_EQ(editor.History.UndoCount(), 0u);
}

TEST_F(LevelEditorTest, ArrowsNudgeByOneScreenPixelAndShiftByTen) {
    SelectAt({-4.0f, 0.0f});
    Tap(KeyRight);
    EXPECT_EQ(Rock(0)->Pos2d()->Pos, Vector2(-4.0f + 1.0f / 32.0f, 0.0f));
    Tap(KeyUp, {KeyShift});
    EXPECT_EQ(Rock(0)->Pos2d()->Pos, Vector2(-4.0f + 1.0f / 32.0f, 10.0f / 32.0f));
    EXPECT_TRUE(Modified());
}

TEST_F(LevelEditorTest, ListLevelsSkipsSortOrderZeroAndSwitchingWrapsAndClearsTheHistory) {
    EXPECT_EQ(levelEditor->ListLevels(), (std::vector<std::string>{"Lvl_TestLevel2", "Lvl_Second"}));
    SelectAt({-4.0f, 0.0f});
    Tap(KeyRight);
    Tap(KeyRightBracket, {KeyCtrl});
    EXPECT_EQ(Level()->PrefabName, "Lvl_TestLevel2") << "unsaved changes refuse the switch";
    Tap(KeyS, {KeyAlt});
    Tap(KeyRightBracket, {KeyCtrl});
    EXPECT_EQ(Level()->PrefabName, "Lvl_Second");
    EXPECT_EQ(editor.History.UndoCount(), 0u);
    Tap(KeyRightBracket, {KeyCtrl});
    EXPECT_EQ(Level()->PrefabName, "Lvl_TestLevel2");
}

TEST_F(LevelEditorTest, SavingWritesOnlyTheListedPropertiesInChildOrderAndRefusesUnlistedObjects) {
    const std::string original = LevelFile();
    Tap(KeyS, {KeyAlt});
    EXPECT_EQ(warnings.back(), "editor: Nothing to save");
    Level()->GetComponent<LevelBhv>()->IsModified = true;
    Tap(KeyS, {KeyAlt});
    EXPECT_EQ(LevelFile(), original) << "an unchanged level saves byte for byte";
    EXPECT_EQ(warnings.back(), "editor: Saved Lvl_TestLevel2.json");

    Rock(1)->Pos2d()->Pos = {5.5f, 0.0f};
    Rock(1)->Sprite()->Size = {9.0f, 9.0f};  // not listed: not stored
    Rock(0)->MoveAmongSiblings(1);
    Level()->GetComponent<LevelBhv>()->IsModified = true;  // as the editor's own changes do
    Tap(KeyS, {KeyAlt});
    const Prefab& saved = *manager.Find("Lvl_TestLevel2");
    ASSERT_EQ(saved.AutoCreates.size(), 3u);
    EXPECT_EQ(saved.AutoCreates[0]->InstanceProperties[0]->FindProperty("Pos")->GetSubProperty("Pos", 0).ToText(), "5.5");
    EXPECT_EQ(LevelFile().find("Size"), std::string::npos);
    EXPECT_FALSE(Modified());

    auto* stranger = new GameObject("Pebble");
    stranger->Name = "Stranger";
    Level()->AddChild(stranger);
    Level()->GetComponent<LevelBhv>()->IsModified = true;
    const std::string before = LevelFile();
    Tap(KeyS, {KeyAlt});
    EXPECT_EQ(LevelFile(), before);
    ASSERT_FALSE(warnings.empty());
    EXPECT_NE(warnings.back().find("Stranger"), std::string::npos);
}

TEST_F(LevelEditorTest, F1PlayF1BringsTheEditedLayoutBackUnderItsOwnNameMarkedModified) {
    SelectAt({-4.0f, 0.0f});
    Tap(KeyLeft);
    Tap(KeyF1);
    EXPECT_EQ(Level()->PrefabName, "Lvl_WorkingCopy");
    Rock(0)->Pos2d()->Pos = {30.0f, 30.0f};  // the play-test moves things
    Tap(KeyF1);
    EXPECT_EQ(Level()->PrefabName, "Lvl_TestLevel2");
    EXPECT_EQ(Rock(0)->Pos2d()->Pos, Vector2(-4.0f - 1.0f / 32.0f, 0.0f));
    EXPECT_TRUE(Modified());
    EXPECT_EQ(Level()->GetComponent<LevelBhv>()->SortOrder, 1);
    Tap(KeyZ, {KeyCtrl});  // the history follows the reloaded objects
    EXPECT_EQ(Rock(0)->Pos2d()->Pos, Vector2(-4.0f, 0.0f));
    Tap(KeyS, {KeyAlt});
    EXPECT_EQ(manager.Find("Lvl_TestLevel2")->AutoCreates.size(), 3u) << "Alt+S saves under the level's own name";
}

TEST_F(LevelEditorTest, UndoAndRedoOfPlaceDuplicateAndDeleteAfterAGrabRoundTripExactly) {
    const std::string original = LevelFile();
    SelectAt({0.3f, 5.1f});
    Tap(KeyG);
    PointAtWorld({2.0f, -1.0f});
    Frame();
    Tap(KeyLeftMouse);
    const Vector2 grabbed = Rock(2)->Pos2d()->Pos;
    Tap(KeyDelete);
    EXPECT_EQ(Level()->Children().size(), 2u);
    EXPECT_TRUE(Selected().empty());

    editor.SelectedPrefabName = "Rock";
    PointAtWorld({-9.0f, -9.0f});
    Tap(KeyLeftMouse);
    Tap(KeyD, {KeyShift});
    Tap(KeyOemEnter);
    EXPECT_EQ(Level()->Children().size(), 4u);

    for (int i = 0; i < 5; ++i) Tap(KeyZ, {KeyCtrl});  // the duplicate's grab is a step of its own
    EXPECT_EQ(Level()->Children().size(), 3u);
    Tap(KeyS, {KeyAlt});
    EXPECT_EQ(LevelFile(), original);

    Tap(KeyY, {KeyCtrl});
    Tap(KeyZ, {KeyCtrl, KeyShift});
    EXPECT_EQ(Level()->Children().size(), 2u) << "grab and delete redone";
    Tap(KeyZ, {KeyCtrl});
    ASSERT_EQ(Level()->Children().size(), 3u);
    EXPECT_TRUE(SameBits(Rock(2)->Pos2d()->Pos.x, grabbed.x) && SameBits(Rock(2)->Pos2d()->Pos.y, grabbed.y));
    EXPECT_EQ(Selected(), (std::vector<GameObject*>{Rock(2)}));
}

TEST_F(LevelEditorTest, ADeletedObjectLeavesTheSelectionAndItsIndicatorAtOnce) {
    Tap(KeyA);
    EXPECT_EQ(Selected().size(), 3u);
    Rock(1)->Destroy();
    Frame();
    EXPECT_EQ(Selected().size(), 2u);
    const GameObject* indicators = editorRoot->FindChild("EdLevelEditor")->FindChild("SelectionRoot");
    std::size_t drawn = 0;
    for (const GameObject* indicator : indicators->Children()) drawn += indicator->DrawEnabled;
    EXPECT_EQ(drawn, 2u);
}

TEST_F(LevelEditorTest, TheLockedGroundIsNotPickedBoxSelectedOrSelectedByAUntilUnlocked) {
    GameObject* soil = Add(Level(), "Soil");  // under everything, drawn last in the level
    Attach<Pos2dComponent>(soil);
    auto* sprite = Attach<SpriteComponent>(soil);
    sprite->Size = {40.0f, 40.0f};
    sprite->Layer = DrawLayer::BackgroundLit;
    sprite->SetTex(textures.GetTexture("Solid"));
    SelectAt({4.0f, 0.0f});
    EXPECT_EQ(Selected(), (std::vector<GameObject*>{Rock(1)}));
    SelectAt({10.0f, -6.0f});
    EXPECT_TRUE(Selected().empty()) << "a right click on bare ground clears the selection";
    Tap(KeyA);
    EXPECT_EQ(Selected().size(), 3u);
    Tap(KeyA);

    Tap(KeyB);
    PointAtWorld({-10.0f, -10.0f});
    Hold(KeyLeftMouse);
    Frame();
    PointAtWorld({10.0f, 10.0f});
    Frame();
    Release(KeyLeftMouse);
    Frame();
    EXPECT_EQ(Selected().size(), 3u);
    Tap(KeyDelete);
    EXPECT_EQ(Level()->Children(), (std::vector<GameObject*>{soil})) << "box select and Delete spare the ground";

    editor.LockedLayers = 0;
    SelectAt({10.0f, -6.0f});
    EXPECT_EQ(Selected(), (std::vector<GameObject*>{soil}));
}

}  // namespace

TEST_F(LevelEditorTest, ThePalettesFollowEveryChangeOfTheSelectionAndNeverShowAStrayObject) {
    editor.SelectedObject = screen->Owner();  // chosen in the object list earlier
    editor.SelectedPrefabName = "Rock";
    PointAtWorld({-9.0f, -9.0f});
    Tap(KeyLeftMouse);
    GameObject* placed = Level()->Children().back();
    EXPECT_EQ(editor.SelectedObject, placed) << "a placement";

    Tap(KeyD, {KeyShift});
    Tap(KeyOemEnter);
    EXPECT_EQ(editor.SelectedObject, Level()->Children().back()) << "a duplicate";
    EXPECT_NE(editor.SelectedObject, placed);

    Tap(KeyZ, {KeyCtrl});
    Tap(KeyZ, {KeyCtrl});
    EXPECT_EQ(editor.SelectedObject, nullptr) << "the undone duplicate left nothing selected";

    SelectAt({-4.0f, 0.0f});
    Tap(KeyA);  // with a selection, A clears it
    Tap(KeyA);  // and then selects all three rocks and the placed one
    EXPECT_EQ(editor.SelectedObject, nullptr);
    EXPECT_EQ(editor.LevelSelectionCount, 4u);

    SelectAt({4.0f, 0.0f});
    EXPECT_EQ(editor.SelectedObject, Rock(1));
    Tap(KeyS, {KeyAlt});
    Tap(KeyRightBracket, {KeyCtrl});
    ASSERT_EQ(Level()->PrefabName, "Lvl_Second");
    EXPECT_EQ(editor.SelectedObject, nullptr) << "a switch of level leaves no object of the old one, nor the screen";
    EXPECT_EQ(editor.ListRoot, screen->Owner());
}
