#include "core/ResourceNames.h"
#include "core/SubProperty.h"
#include "editor/EditorState.h"
#include "editor/palettes/EdPalObjectEditBhv.h"
#include "editor/palettes/EdPaletteParts.h"
#include "editor/widgets/EdFieldBhv.h"
#include "editor/widgets/EdPropertyRowBhv.h"
#include "editor/widgets/EdToggleBhv.h"
#include "game/TreePasses.h"
#include "graphics/Graphics.h"
#include "graphics/SpriteComponent.h"
#include "input/InputManager.h"
#include "support/PrefabTestContent.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

TEST(PropertyTextCheck, RefusesTextThatWouldNotLandAsTyped) {
    struct Case {
        const std::type_info& type;
        int sub;
        const char* text;
        bool accepted;
    };
    const Case cases[] = {
        {typeid(float), 0, "2.5", true},       {typeid(float), 0, "abc", false},
        {typeid(float), 0, "", false},         {typeid(float), 0, "nan", false},
        {typeid(float), 0, "-inf", false},     {typeid(Vector2), 1, "10000", true},
        {typeid(Rect), 2, "10001", false},     {typeid(Vector2), 0, "-1e9", false},
        {typeid(int), 0, "12", true},          {typeid(int), 0, "1.5", false},
        {typeid(int), 0, "-20000", false},     {typeid(bool), 0, "f", true},
        {typeid(bool), 0, "True", false},      {typeid(bool), 0, "yes", false},
        {typeid(Color), 0, "0.5", true},       {typeid(Color), 0, "1.01", false},
        {typeid(Color), 0, "-0.1", false},     {typeid(Color), 0, "nan", false},
        {typeid(Color), 1, "FF8000", true},    {typeid(Color), 1, "1000000", false},
        {typeid(Color), 1, "red", false},      {typeid(DrawLayer), 0, "Foreground", true},
        {typeid(DrawLayer), 0, "foreground", false}, {typeid(TextXAlignment), 0, "Right", true},
        {typeid(TextXAlignment), 0, "", false}, {typeid(TextYAlignment), 0, "Centre", false},
        {typeid(Texture*), 0, "Missing", false}, {typeid(BitmapFont*), 0, "Missing", false},
        {typeid(std::string), 0, "any\\ntext", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SubProperty::ParseCheckedAs(c.type, c.sub, c.text).Refusal().empty(), c.accepted)
            << c.type.name() << " " << c.text;
    }
}

// The shipped edit palette over prefabs and objects of the test types.
class EdPalObjectEditTest : public PrefabTestContent {
protected:
    EdPalObjectEditTest() {
        for (const char* name : {"EdWidgetBackground", "EdWidgetText", "EdButton", "EdToggle", "EdField", "EdTitleBar",
                                 "EdRowMultiContainer", "EdPropertyRow", "PalObjectEditFlags", "PalObjectEditButtons",
                                 "PalObjectEditScroll", "PalObjectEdit"}) {
            AddPrefab(name, ReadFile(std::filesystem::path(VELLIMOR_SOURCE_CONTENT) / "Prefabs" / (std::string(name) + ".json")));
        }
        AddPrefab("Thing", R"({"Components": {"AllValuesComponent": {"Float": "2"}}, "AutoCreate": ""})");
        AddPrefab("Other", R"({"Components": "", "AutoCreate": ""})");
        AddPrefab("Owner", R"({"Components": "", "AutoCreate": [{"Name": "Child", "Prefab": "Thing",
                              "InstanceProperties": {"AllValuesComponent": ""}}]})");
        palette = new GameObject("PalObjectEdit");
        root.AddChild(palette);
        state.IsActive = true;
    }
    ~EdPalObjectEditTest() override {
        while (!root.Children().empty()) delete root.Children().back();
    }

    void Frame() {
        TreePasses::InputPass(&root);
        TreePasses::UpdatePass(&root);
        deletions.DeleteQueued();
        input.Update();
    }
    EdPropertyRowBhv* Row(const std::string& label) const {
        for (GameObject* child : palette->Children()) {
            auto* row = child->GetComponent<EdPropertyRowBhv>();
            if (row != nullptr && row->Label == label) return row;
        }
        return nullptr;
    }
    // What Enter in the row's field does: the check, then the commit.
    bool Commit(const std::string& label, const std::string& text) {
        EdFieldBhv* field = Row(label)->ValueField();
        if (!field->Check(text)) return false;
        field->OnCommit(text);
        return true;
    }

    Graphics& graphics = engine.Make(Engine::Graphics);
    InputManager& input = engine.Make(Engine::InputManager);
    EditorState& state = engine.Make(Engine::EditorState);
    GameObject* palette = nullptr;
};

TEST_F(EdPalObjectEditTest, AnEmptyCommitDropsTheStoredValueAndGraysItsLabel) {
    Prefab* thing = manager.Find("Thing");
    state.SelectedPrefab = thing;
    Frame();
    EXPECT_FALSE(Row("Float")->IsLabelGrayed);
    EXPECT_TRUE(Row("Int")->IsLabelGrayed);
    EXPECT_EQ(Row("Int")->ValueText, "7");  // the type's default
    ASSERT_TRUE(Commit("Float", ""));
    Frame();
    EXPECT_TRUE(thing->IsModified);
    EXPECT_TRUE(Row("Float")->IsLabelGrayed);
    EXPECT_EQ(Row("Float")->ValueText, "0.5");
    EXPECT_EQ(thing->ToJson().find("Float"), std::string::npos);
}

TEST_F(EdPalObjectEditTest, AnEntryEditLandsOnTheEntrysOwnerAndRefusedTextOnNothing) {
    Prefab* owner = manager.Find("Owner");
    state.SelectedAutoCreate = owner->AutoCreates[0].get();
    state.SelectedPrefabName = "Other";
    Frame();
    EXPECT_FALSE(Commit("Int", "abc"));
    EXPECT_FALSE(Commit("Vector.X", "1e9"));
    EXPECT_FALSE(owner->IsModified);
    EXPECT_TRUE(owner->AutoCreates[0]->InstanceProperties[0]->Properties.empty());
    ASSERT_TRUE(Commit("Int", "42"));
    EXPECT_TRUE(owner->IsModified);
    EXPECT_FALSE(manager.Find("Other")->IsModified);
    EXPECT_FALSE(manager.Find("Thing")->IsModified);
    EXPECT_NE(owner->ToJson().find("\"Int\": \"42\""), std::string::npos);
    state.History.Undo();
    EXPECT_EQ(manager.Find("Owner")->ToJson().find("42"), std::string::npos);
}

TEST_F(EdPalObjectEditTest, AShapeTheFixtureCouldNotBuildIsRefused) {
    Prefab* wall = AddPrefab("Wall", R"({"Components": {"B2FixtureComponent": {"Shape": "Box 0.5 0.5"}}, "AutoCreate": ""})");
    state.SelectedPrefab = wall;
    Frame();
    EXPECT_FALSE(Commit("Shape", "Polygon 0 0 1 1 2 2"));
    EXPECT_FALSE(Commit("Shape", "Box 0 1"));
    EXPECT_FALSE(wall->IsModified);
    EXPECT_TRUE(Commit("Shape", "Box 1 2"));
    EXPECT_NE(wall->ToJson().find("Box 1 2"), std::string::npos);
}

TEST_F(EdPalObjectEditTest, TypedTextIsParsedOnceFromTheCheckToTheCommit) {
    auto* object = new GameObject("Thing");
    root.AddChild(object);
    auto* values = object->GetComponent<AllValuesComponent>();
    int parses = 0;
    values->FindProperty("Int")->SetTextCheck([&](const std::string&) {
        ++parses;
        return std::string();
    });
    state.SelectedObject = object;
    Frame();
    ASSERT_TRUE(Commit("Int", "42"));
    EXPECT_EQ(values->Int, 42);
    EXPECT_EQ(parses, 1) << "the commit applies what the check converted";
    const EditTarget target = EditTarget::FromSelection(state);
    const std::vector<IEditable*> shown = target.Components();
    const auto at = static_cast<std::size_t>(std::find(shown.begin(), shown.end(), values) - shown.begin());
    PropertyEdits::Commit(target, {at, "Int", 0, &typeid(int), "Int"}, "43");
    EXPECT_EQ(values->Int, 43);
    EXPECT_EQ(parses, 2);
}

// A reference typed for a stored value is kept as the name of what it found.
TEST_F(EdPalObjectEditTest, ATypedTextureLandsInAPrefabAsItsName) {
    char ants = 0;
    Texture* const texture = reinterpret_cast<Texture*>(&ants);
    struct Names {
        ~Names() {
            ResourceNames<Texture>::Find = nullptr;
            ResourceNames<Texture>::NameOf = nullptr;
        }
    } names;
    ResourceNames<Texture>::Find = [texture](const std::string& n) { return n == "Ants" ? texture : nullptr; };
    ResourceNames<Texture>::NameOf = [texture](const Texture* t) { return t == texture ? "Ants" : std::string(); };
    Prefab* thing = manager.Find("Thing");
    state.SelectedPrefab = thing;
    Frame();
    EXPECT_FALSE(Commit("Texture", "Seeds"));
    ASSERT_TRUE(Commit("Texture", "Ants"));
    EXPECT_NE(thing->ToJson().find("\"Texture\": \"Ants\""), std::string::npos);
}

TEST_F(EdPalObjectEditTest, UndoOfALiveCommitRestoresTheExactValue) {
    auto* object = new GameObject("Thing");
    root.AddChild(object);
    auto* values = object->GetComponent<AllValuesComponent>();
    values->Colour.a = 127;
    values->Float = 0.1f;
    state.SelectedObject = object;
    Frame();
    ASSERT_TRUE(Commit("Color.A", "1"));
    ASSERT_TRUE(Commit("Float", "3"));
    EXPECT_EQ(values->Colour.a, 255);
    state.History.Undo();
    state.History.Undo();
    EXPECT_EQ(values->Colour.a, 127);
    EXPECT_EQ(values->Float, 0.1f);
    state.History.Redo();
    EXPECT_EQ(values->Colour.a, 255);
}

TEST_F(EdPalObjectEditTest, CtrlLCentresASpriteOnItsPositionAndMarksThePrefabModified) {
    Prefab* stone = AddPrefab("Stone", R"({"Components": {"Pos2dComponent": "",
        "SpriteComponent": {"Size": {"X": "4", "Y": "2"}, "Origin": {"X": "-2", "Y": "-1"}}}, "AutoCreate": ""})");
    state.SelectedPrefab = stone;
    Frame();
    input.CurrentKeys.set(KeyCtrl);
    input.CurrentKeys.set(KeyL);
    Frame();
    input.CurrentKeys.reset();
    EXPECT_TRUE(stone->IsModified);
    GameObject instance("Stone");
    instance.SetPosition(Vector2(3.0f, 5.0f));
    const Rect bounds = instance.Sprite()->GetWorldBounds();
    EXPECT_FLOAT_EQ(bounds.x + bounds.width / 2.0f, 3.0f);
    EXPECT_FLOAT_EQ(bounds.y + bounds.height / 2.0f, 5.0f);
    EXPECT_FLOAT_EQ(bounds.width, 4.0f);
}

}  // namespace

namespace {

TEST_F(EdPalObjectEditTest, FlagTogglesRefuseTheEngineOwnObjectsAndUndo) {
    auto* object = new GameObject("Thing");
    root.AddChild(object);
    auto toggleDraw = [&](GameObject* selected, bool value) {
        state.SelectedObject = selected;
        Frame();
        EdPaletteParts::FindWidget<EdToggleBhv>(*palette, "ChkDrawEnabled")->OnChanged(value);
    };
    toggleDraw(&root, false);
    EXPECT_TRUE(root.DrawEnabled);
    EXPECT_EQ(state.History.UndoCount(), 0u);
    toggleDraw(object, false);
    EXPECT_FALSE(object->DrawEnabled);
    state.History.Undo();
    EXPECT_TRUE(object->DrawEnabled);
}

}  // namespace
