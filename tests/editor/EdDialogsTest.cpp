#include "editor/EditorState.h"
#include "editor/dialogs/EdDlgComponentPickerBhv.h"
#include "editor/dialogs/EdDlgMessageBoxBhv.h"
#include "editor/dialogs/EdDlgPrefabPickerBhv.h"
#include "editor/prefabs/PrefabOperations.h"
#include "editor/recovery/UnsavedSummary.h"
#include "editor/recovery/UnsavedWorkGuard.h"
#include "editor/widgets/EdFieldBhv.h"
#include "editor/widgets/EdListItemBhv.h"
#include "editor/widgets/EdTitleBarBhv.h"
#include "game/TreePasses.h"
#include "graphics/Graphics.h"
#include "input/InputManager.h"
#include "support/PrefabTestContent.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace {

// The shipped dialogs under "EdDialogsRoot", beside an "EdPalettesRoot".
class EdDialogsTest : public PrefabTestContent {
protected:
    EdDialogsTest() {
        for (const char* name : {"EdWidgetBackground", "EdWidgetText", "EdButton", "EdField", "EdListItem", "EdTitleBar",
                                 "EdRowMultiContainer", "EdPropertyRow", "EdDlgOverlay", "EdDlgAnswerRow", "EdDlgMessageBox",
                                 "EdDlgPrefabPicker", "EdDlgComponentPicker"}) {
            AddPrefab(name, ReadFile(std::filesystem::path(VELLIMOR_SOURCE_CONTENT) / "Prefabs" / (std::string(name) + ".json")));
        }
        auto* editor = new GameObject();
        root.AddChild(editor);
        palettes = new GameObject();
        palettes->Name = "EdPalettesRoot";
        editor->AddChild(palettes);
        auto* dialogs = new GameObject();
        dialogs->Name = "EdDialogsRoot";
        editor->AddChild(dialogs);
        box = Make<EdDlgMessageBoxBhv>(*dialogs, "EdDlgMessageBox");
        prefabs = Make<EdDlgPrefabPickerBhv>(*dialogs, "EdDlgPrefabPicker");
        components = Make<EdDlgComponentPickerBhv>(*dialogs, "EdDlgComponentPicker");
    }
    ~EdDialogsTest() override {
        while (!root.Children().empty()) delete root.Children().back();
    }

    template <class T>
    static T* Make(GameObject& parent, const char* prefab) {
        auto* object = new GameObject(prefab);
        parent.AddChild(object);
        return object->GetComponent<T>();
    }
    void Frame() {
        TreePasses::InputPass(&root);
        TreePasses::UpdatePass(&root);
        input.Update();
    }
    void Tap(int key) {
        input.CurrentKeys.set(key);
        Frame();
        input.CurrentKeys.reset(key);
        Frame();
    }
    void Type(const std::string& text) {
        input.TypedText = text;  // the message box answers by letter
        for (char c : text) input.StrokesThisFrame.push_back(KeyStroke::Typed(std::string(1, c)));
        TreePasses::InputPass(&root);
        TreePasses::UpdatePass(&root);
        input.TypedText.clear();
        input.StrokesThisFrame.clear();
    }
    std::vector<std::string> Shown(const EdDlgPickerBhv& picker) const {
        std::vector<std::string> labels;
        for (const EdListItemBhv* row : picker.Rows()) {
            if (!row->Label.empty()) labels.push_back(row->Label);
        }
        return labels;
    }

    EditorState& state = engine.Make(Engine::EditorState);
    Graphics& graphics = engine.Make(Engine::Graphics);
    InputManager& input = engine.Make(Engine::InputManager);
    GameObject* palettes = nullptr;
    EdDlgMessageBoxBhv* box = nullptr;
    EdDlgPrefabPickerBhv* prefabs = nullptr;
    EdDlgComponentPickerBhv* components = nullptr;
    std::optional<std::string> answer;
    EdDlgMessageBoxBhv::Callback Record() {
        return [this](const std::string& text) { answer = text; };
    }
};

TEST_F(EdDialogsTest, TheMessageBoxAnswersByKeyAndLetterAndBlocksThePalettes) {
    const std::vector<std::string> answers{"Yes", "No", "Cancel"};
    for (auto [key, expected] : {std::pair{KeyOemEnter, "Yes"}, std::pair{KeyEsc, "Cancel"}}) {
        answer.reset();
        box->Open("Save changes?", answers, Record());
        EXPECT_FALSE(palettes->InputEnabled);
        Tap(key);
        EXPECT_EQ(answer, expected);
        EXPECT_FALSE(box->IsShown());
        EXPECT_TRUE(palettes->InputEnabled);
    }
    answer.reset();
    box->Open("Save changes?", answers, Record());
    Type("q");
    EXPECT_FALSE(answer.has_value());
    Type("N");
    EXPECT_EQ(answer, "No");
    // The buttons are those of the last question only.
    box->Open("Again?", {"Ok"}, Record());
    Frame();
    EXPECT_EQ(box->Owner()->FindChild("Buttons")->Children().size(), 1u);
}

TEST_F(EdDialogsTest, ACallbackThatAsksAgainKeepsItsNewCallback) {
    int firstCalls = 0;
    box->Open("First?", {"Yes", "No"}, [&](const std::string&) {
        ++firstCalls;
        box->Open("Second?", {"Ok"}, Record());
    });
    box->Choose("Yes");
    EXPECT_TRUE(box->IsShown());
    box->Choose("Ok");
    EXPECT_EQ(firstCalls, 1);
    EXPECT_EQ(answer, "Ok");
}

TEST_F(EdDialogsTest, RemovingAPrefabThatEntriesCreateAsksNamingThemAndYesTakesThemAndTheirObjectsUndoably) {
    constexpr const char* kEmpty = R"({"Components": "", "AutoCreate": ""})";
    AddPrefab("Leaf", kEmpty);
    AddPrefab("Stone", kEmpty);
    AddPrefab("Level", R"({"Components": "", "AutoCreate": [{"Prefab": "Stone"}, {"Prefab": "Leaf"}, {"Prefab": "Leaf"},
        {"Name": "Last", "Prefab": "Stone"}]})");
    AddPrefab("Pile", R"({"Components": "", "AutoCreate": [{"Prefab": "Leaf"}]})");
    const std::string levelJson = manager.Find("Level")->ToJson();
    auto* level = new GameObject("Level");
    root.AddChild(level);
    const auto linked = [&] {  // each object is made by the entry at its place
        const Prefab& prefab = *manager.Find("Level");
        if (level->Children().size() != prefab.AutoCreates.size()) return false;
        for (std::size_t i = 0; i < prefab.AutoCreates.size(); ++i) {
            if (level->Children()[i]->MadeBy.Get() != prefab.AutoCreates[i].get()) return false;
        }
        return true;
    };
    PrefabOperations operations(manager, state);

    EXPECT_EQ(operations.Remove("Leaf"), PrefabOperations::Outcome::AskAgain);
    ASSERT_TRUE(box->IsShown());
    EXPECT_EQ(box->FindChild("TitleBar")->GetComponent<EdTitleBarBhv>()->Title, "Remove Leaf and 3 entries creating it?");
    ASSERT_FALSE(warnings.empty());
    EXPECT_NE(warnings.back().find("Level (2), Pile; Yes removes them too"), std::string::npos) << warnings.back();
    box->Choose("No");
    EXPECT_NE(manager.Find("Leaf"), nullptr);
    EXPECT_EQ(state.History.UndoCount(), 0u);

    operations.Remove("Leaf");
    box->Choose("Yes");
    deletions.DeleteQueued();
    EXPECT_EQ(manager.Find("Leaf"), nullptr);
    EXPECT_TRUE(manager.Find("Pile")->AutoCreates.empty());
    EXPECT_TRUE(manager.Find("Level")->IsModified);
    ASSERT_EQ(level->Children().size(), 2u);
    EXPECT_EQ(level->Children()[1]->Name, "Last");
    EXPECT_TRUE(linked());

    state.History.Undo();
    EXPECT_NE(manager.Find("Leaf"), nullptr);
    EXPECT_EQ(manager.Find("Level")->ToJson(), levelJson);
    EXPECT_FALSE(manager.Find("Level")->IsModified);
    EXPECT_EQ(manager.Find("Pile")->AutoCreates.size(), 1u);
    EXPECT_TRUE(linked()) << "the objects came back in their places, made by their entries";
    state.History.Redo();
    deletions.DeleteQueued();
    EXPECT_EQ(level->Children().size(), 2u);
    EXPECT_TRUE(linked());
}

TEST_F(EdDialogsTest, ThePrefabPickerFiltersAsTypedAndNoneIsTheEmptyChoice) {
    for (const char* name : {"Seed", "SeedBag", "AppleSeed", "Stone"}) AddPrefab(name, R"({"Components": "", "AutoCreate": ""})");
    prefabs->Open(Record());
    Frame();
    EXPECT_EQ(prefabs->Entries().front(), "(None)");
    Tap(KeyOemEnter);
    EXPECT_EQ(answer, "");

    answer.reset();
    prefabs->Open(Record());
    Frame();
    Type("seed");
    Frame();
    EXPECT_EQ(Shown(*prefabs), (std::vector<std::string>{"AppleSeed", "Seed", "SeedBag"}));
    Tap(KeyDown);
    Tap(KeyOemEnter);
    EXPECT_EQ(answer, "Seed");

    // Typed and chosen within one frame: Enter chooses from the list as filtered.
    answer.reset();
    prefabs->Open(Record());
    Frame();
    input.CurrentKeys.set(KeyOemEnter);
    for (const char* typed : {"b", "a", "g"}) input.StrokesThisFrame.push_back(KeyStroke::Typed(typed));
    input.StrokesThisFrame.push_back(KeyStroke::Of(KeyOemEnter));
    Frame();
    EXPECT_EQ(answer, "SeedBag");
    input.CurrentKeys.reset(KeyOemEnter);

    // Esc calls nothing; OK on an empty list chooses nothing.
    answer.reset();
    prefabs->Open(Record());
    Tap(KeyEsc);
    EXPECT_FALSE(prefabs->IsShown());
    prefabs->Open(Record());
    Type("nothing like it");
    Frame();
    prefabs->ChooseCurrent();
    EXPECT_FALSE(answer.has_value());
    EXPECT_TRUE(prefabs->IsShown());
}

TEST_F(EdDialogsTest, DownPastTheLastRowScrollsAndPrefabComponentIsNeverOffered) {
    components->Open(Record());
    Frame();
    const auto& listed = components->Entries();
    EXPECT_EQ(std::count(listed.begin(), listed.end(), "PrefabComponent"), 0);
    ASSERT_GT(listed.size(), components->Rows().size());
    for (std::size_t i = 0; i < components->Rows().size(); ++i) Tap(KeyDown);
    EXPECT_EQ(components->ScrollOffset, 1u);
    Tap(KeyOemEnter);
    EXPECT_EQ(answer, listed[components->Rows().size()]);
}

TEST_F(EdDialogsTest, QuittingWithUnsavedWorkAsksAndASecondRequestQuits) {
    Prefab* seed = AddPrefab("Seed", R"({"Components": "", "AutoCreate": ""})");
    seed->IsModified = true;
    UnsavedWorkGuard guard(dir / "Recovery", [] { return nullptr; });
    guard.WriteRecovery();
    ASSERT_TRUE(std::filesystem::exists(dir / "Recovery" / "Seed.json"));
    Engine::QuitRequested = false;

    ASSERT_TRUE(guard.KeepRunningToAsk());
    Type("c");
    EXPECT_FALSE(Engine::QuitRequested);
    EXPECT_TRUE(guard.KeepRunningToAsk());
    EXPECT_FALSE(guard.KeepRunningToAsk());  // the second request while it is up
    Type("n");
    EXPECT_TRUE(Engine::QuitRequested);
    EXPECT_TRUE(seed->IsModified);
    // Thrown away: the next start offers nothing, also after the last copy at the end.
    guard.WriteRecovery();
    EXPECT_FALSE(std::filesystem::exists(dir / "Recovery" / "Seed.json"));

    UnsavedWorkGuard saving(dir / "Recovery", [] { return nullptr; });
    Engine::QuitRequested = false;
    ASSERT_TRUE(saving.KeepRunningToAsk());
    Type("y");
    EXPECT_TRUE(Engine::QuitRequested);
    EXPECT_FALSE(seed->IsModified);
    EXPECT_FALSE(saving.KeepRunningToAsk());
    Engine::QuitRequested = false;
    // A removed prefab whose file is still on disk is unsaved work too.
    manager.Release("Seed");
    EXPECT_TRUE(UnsavedWorkGuard(dir / "Recovery", [] { return nullptr; }).HasUnsavedWork());
}

TEST_F(EdDialogsTest, TheQuitQuestionNamesFiveUnsavedThingsThenHowManyMoreAndNoneOfAnEarlierQuestion) {
    EXPECT_EQ(FirstNames({"a", "b"}), (std::vector<std::string>{"a", "b"}));
    for (const char* name : {"Gamma", "Alpha", "Lvl_Beach", "Delta", "Epsilon", "Zeta", "Eta"}) {
        AddPrefab(name, R"({"Components": "", "AutoCreate": ""})")->IsModified = true;
    }
    manager.Release("Eta");  // its file is still there: a save all deletes it
    UnsavedWorkGuard guard(dir / "Recovery", [] { return nullptr; });
    EXPECT_EQ(guard.UnsavedWork(), (std::vector<std::string>{"Alpha", "Delta", "Epsilon", "Eta (removed)", "Gamma",
                                                             "Lvl_Beach", "Zeta"}));
    EXPECT_EQ(UnsavedSummary(manager, "", false), "Unsaved: 6 prefabs, 1 level");
    ASSERT_TRUE(guard.KeepRunningToAsk());
    Frame();
    std::vector<std::string> lines;
    for (const GameObject* child : box->Owner()->Children()) {
        if (child->Name == "Line") lines.push_back(child->GetComponent<EdListItemBhv>()->Label);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"Alpha", "Delta", "Epsilon", "Eta (removed)", "Gamma", "and 2 more"}));
    EXPECT_EQ(box->Owner()->Children().back()->Name, "Buttons") << "the lines stand above the answers";

    Type("c");
    box->Open("Another?", {"OK"}, nullptr);
    EXPECT_EQ(box->Owner()->FindChild("Line"), nullptr);
}

TEST_F(EdDialogsTest, UnsavedWorkComesBackFromTheRecoveryDirectoryAsModified) {
    Prefab* seed = AddPrefab("Seed", R"({"Components": {"AllValuesComponent": {"Int": "3"}}, "AutoCreate": ""})");
    const std::string onDisk = ReadFile(PrefabDir() / "Seed.json");
    const std::string saved = seed->ToJson();
    seed->Components.front()->FindProperty("Int")->GetSubProperty("Int", 0).FromText("7");
    seed->IsModified = true;
    const std::string edited = seed->ToJson();
    UnsavedWorkGuard({dir / "Recovery", [] { return nullptr; }}).WriteRecovery();
    EXPECT_EQ(ReadFile(PrefabDir() / "Seed.json"), onDisk);  // never over the real file

    // The next start: the prefab as it is on disk, the recovery offered.
    manager.Release("Seed");
    seed = AddPrefab("Seed", onDisk);
    state.SelectedPrefab = seed;
    UnsavedWorkGuard next(dir / "Recovery", [] { return nullptr; });
    next.LookForRecovery();
    ASSERT_TRUE(next.HasRecoveryOffer());
    next.Recover();
    EXPECT_EQ(seed->ToJson(), edited);
    EXPECT_TRUE(seed->IsModified);
    EXPECT_EQ(state.SelectedPrefab, seed);
    state.History.Undo();
    EXPECT_EQ(manager.Find("Seed")->ToJson(), saved);
}

}  // namespace
