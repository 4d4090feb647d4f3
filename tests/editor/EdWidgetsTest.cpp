#include "core/Utf8.h"
#include "editor/widgets/EdButtonBhv.h"
#include "editor/widgets/EdFieldBhv.h"
#include "editor/widgets/EdListItemBhv.h"
#include "editor/widgets/EdPropertyRowBhv.h"
#include "editor/widgets/EdRowMultiContainerBhv.h"
#include "editor/widgets/EdTitleBarBhv.h"
#include "editor/widgets/EdToggleBhv.h"
#include "editor/widgets/EdWidgetParts.h"
#include "game/TreePasses.h"
#include "graphics/BitmapFont.h"
#include "graphics/Graphics.h"
#include "graphics/SpriteComponent.h"
#include "graphics/TextComponent.h"
#include "graphics/TintComponent.h"
#include "input/InputManager.h"
#include "support/PrefabTestContent.h"

#include <SDL.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

// The shipped widget prefabs, instanced under Root and driven frame by frame.
class EdWidgetsTest : public PrefabTestContent {
protected:
    EdWidgetsTest() {
        for (const char* name : {"EdWidgetBackground", "EdWidgetText", "EdButton", "EdToggle", "EdField", "EdListItem",
                                 "EdTitleBar", "EdRowMultiContainer", "EdPropertyRow"}) {
            AddPrefab(name, ReadFile(std::filesystem::path(VELLIMOR_SOURCE_CONTENT) / "Prefabs" / (std::string(name) + ".json")));
        }
    }
    ~EdWidgetsTest() override {
        while (!root.Children().empty()) delete root.Children().back();
    }

    template <class T>
    T* Make(const char* prefab, Rect rect = Rect(100, 50, 200, 20)) {
        auto* object = new GameObject(prefab);
        root.AddChild(object);
        T* widget = object->GetComponent<T>();
        widget->SetRect(rect.x, rect.y, rect.width, rect.height);
        return widget;
    }

    void Frame() {
        TreePasses::InputPass(&root);
        TreePasses::UpdatePass(&root);
        input.Update();
    }
    // The key's stroke comes with its press, as the poll records it.
    void Tap(int key, std::initializer_list<int> modifiers = {}) {
        for (int m : modifiers) input.CurrentKeys.set(m);
        input.CurrentKeys.set(key);
        if (KeyStroke::IsEditKey(key) || input.CurrentKeys.test(KeyCtrl)) {
            input.StrokesThisFrame.push_back(KeyStroke::Of(key, input.CurrentKeys.test(KeyShift), input.CurrentKeys.test(KeyCtrl)));
        }
        Frame();
        input.CurrentKeys.reset(key);
        Frame();  // typed keys arrive a frame later
        for (int m : modifiers) input.CurrentKeys.reset(m);
        Frame();
    }
    void ClickAt(Vector2 at, int button = KeyLeftMouse) {
        input.Cursor = at;
        Tap(button);
    }
    // One stroke a character, as the system's text input sends them.
    void Type(const std::string& text) {
        for (std::size_t at = 0; at < text.size(); at = Utf8::Next(text, at)) {
            input.StrokesThisFrame.push_back(KeyStroke::Typed(text.substr(at, Utf8::Next(text, at) - at)));
        }
        TreePasses::InputPass(&root);
        input.Update();
    }
    static std::string Shown(const EdFieldBhv* field) { return field->Owner()->FindChild("Text")->Text()->Text; }

    Graphics& graphics = engine.Make(Engine::Graphics);
    InputManager& input = engine.Make(Engine::InputManager);
    const Vector2 inside{150, 60};
    const Vector2 outside{10, 10};
};

TEST_F(EdWidgetsTest, AButtonClicksOnlyWhenPressedAndReleasedInside) {
    auto* button = Make<EdButtonBhv>("EdButton");
    int clicks = 0;
    button->OnClick = [&] { ++clicks; };
    auto press = [&](Vector2 down, Vector2 up) {
        input.Cursor = down;
        input.CurrentKeys.set(KeyLeftMouse);
        Frame();
        input.Cursor = up;
        Frame();
        input.CurrentKeys.reset(KeyLeftMouse);
        Frame();
    };
    press(inside, outside);
    press(outside, inside);
    EXPECT_EQ(clicks, 0);
    button->IsGrayedOut = true;
    press(inside, inside);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button->IsPressed);
}

TEST_F(EdWidgetsTest, AButtonLooksPressedOnlyWhileHeldWithTheMouseInside) {
    auto* button = Make<EdButtonBhv>("EdButton");
    const SpriteComponent* background = button->Owner()->FindChild("Background")->Sprite();
    input.Cursor = inside;
    input.CurrentKeys.set(KeyLeftMouse);
    Frame();
    EXPECT_EQ(background->Size, Vector2(-200, -20));
    input.Cursor = outside;
    Frame();
    EXPECT_EQ(background->Size, Vector2(200, 20));
}

TEST_F(EdWidgetsTest, AToggleFlipsReportsAndHighlightsItsBackground) {
    auto* toggle = Make<EdToggleBhv>("EdToggle");
    GameObject* background = toggle->Owner()->FindChild("Background");
    background->Tint()->Tint = Color(200, 100, 255, 255);
    toggle->Start();  // remembers the tint set above
    std::vector<bool> reported;
    toggle->OnChanged = [&](bool value) { reported.push_back(value); };
    ClickAt(inside);
    EXPECT_EQ(reported, std::vector<bool>{true});
    EXPECT_EQ(background->Tint()->Tint, EdWidgetParts::Highlight);
    EXPECT_EQ(toggle->Owner()->FindChild("Text")->Tint()->Tint, Color(255, 255, 255, 255));
    ClickAt(inside);
    EXPECT_EQ(reported, (std::vector<bool>{true, false}));
    EXPECT_EQ(background->Tint()->Tint, Color(200, 100, 255, 255));
}

TEST_F(EdWidgetsTest, TheCaretShowsOnlyInTheDisplayAndEscKeepsTheTextWithoutCommitting) {
    auto* field = Make<EdFieldBhv>("EdField");
    std::vector<std::string> commits;
    field->OnCommit = [&](const std::string& text) { commits.push_back(text); };
    field->Text = "ac";
    ClickAt(inside);
    ASSERT_TRUE(field->HoldsKeyboard());
    Tap(KeyLeft);
    Type("b");
    EXPECT_EQ(field->Text, "abc");
    EXPECT_EQ(Shown(field), "ab|c");
    Tap(KeyEsc);
    EXPECT_FALSE(field->IsEditing);
    EXPECT_EQ(field->Text, "abc");
    EXPECT_EQ(Shown(field), "abc");
    EXPECT_TRUE(commits.empty());
    ClickAt(inside);
    Tap(KeyOemEnter);
    EXPECT_EQ(commits, std::vector<std::string>{"abc"});
}

TEST_F(EdWidgetsTest, ClicksStartClearAndEndEditing) {
    auto* field = Make<EdFieldBhv>("EdField");
    int commits = 0;
    field->OnCommit = [&](const std::string&) { ++commits; };
    field->Text = "old";
    ClickAt(inside, KeyRightMouse);
    EXPECT_TRUE(field->IsEditing);
    EXPECT_EQ(field->Text, "");
    ClickAt(outside, KeyRightMouse);
    EXPECT_FALSE(field->IsEditing);
    ClickAt(inside);
    EXPECT_EQ(field->Caret, 0u);
    ClickAt(outside);
    EXPECT_EQ(commits, 1);
    field->IsEditable = false;
    ClickAt(inside);
    EXPECT_FALSE(field->IsEditing);
    EXPECT_EQ(field->Owner()->FindChild("Box")->Tint()->Tint.a, 0);
}

TEST_F(EdWidgetsTest, OnlyTheFieldBeingEditedTakesKeysAndSteps) {
    auto* edited = Make<EdFieldBhv>("EdField");
    auto* idle = Make<EdFieldBhv>("EdField", Rect(100, 100, 200, 20));
    std::vector<std::string> commits;
    edited->OnCommit = [&](const std::string& text) { commits.push_back(text); };
    edited->Text = "7";
    idle->Text = "7";
    ClickAt(inside);
    Tap(KeyUp, {KeyShift});
    Type("x");
    EXPECT_EQ(idle->Text, "7");
    EXPECT_EQ(commits, std::vector<std::string>{"17"});
    EXPECT_EQ(edited->Text, "17x");
    Tap(KeyDown);  // no longer a number
    EXPECT_EQ(edited->Text, "17x");
    EXPECT_EQ(commits.size(), 1u);
}

TEST_F(EdWidgetsTest, ARefusedTextIsNotCommittedAndKeepsTheFieldRedAndEditing) {
    auto* field = Make<EdFieldBhv>("EdField");
    std::vector<std::string> commits;
    field->OnCommit = [&](const std::string& text) { commits.push_back(text); };
    field->Check = [](const std::string& text) { return text.size() < 3; };
    field->Text = "99";
    ClickAt(inside);
    Tap(KeyUp);  // "100" is refused: no step at all
    EXPECT_EQ(field->Text, "99");
    Type("9");
    Tap(KeyOemEnter);
    ClickAt(outside);
    EXPECT_TRUE(commits.empty());
    EXPECT_TRUE(field->IsEditing);
    EXPECT_EQ(field->Owner()->FindChild("Box")->Tint()->Tint, Color(255, 0x70, 0x70, 255));
    Tap(KeyBackspace);
    Tap(KeyTab);
    EXPECT_EQ(commits, std::vector<std::string>{"99"});
    EXPECT_FALSE(field->IsEditing);
}

TEST_F(EdWidgetsTest, ARowSharesItsWidthInWholePixelsAndAnEmptyRowIsHarmless) {
    auto* row = Make<EdRowMultiContainerBhv>("EdRowMultiContainer");
    row->SetRect(0, 5, 100, 20);  // no widget children yet
    std::vector<EdButtonBhv*> buttons;
    for (int i = 0; i < 3; ++i) {
        auto* child = new GameObject("EdButton");
        row->Owner()->AddChild(child);
        buttons.push_back(child->GetComponent<EdButtonBhv>());
    }
    row->Owner()->AddChild(new GameObject());  // not a widget: takes no share
    row->SetRect(0, 5, 100, 20);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(buttons[i]->Bounds, Rect(33.0f * i, 5, 33, 20));
    }
}

TEST_F(EdWidgetsTest, ADragFollowsTheMouseAndEndsWhenTheReleaseIsLost) {
    auto* bar = Make<EdTitleBarBhv>("EdTitleBar");
    Vector2 moved;
    bar->OnDrag = [&](Vector2 delta) { moved = moved + delta; };
    input.Cursor = inside;
    input.CurrentKeys.set(KeyLeftMouse);
    Frame();
    input.Cursor = inside + Vector2(30, -5);
    Frame();
    EXPECT_EQ(moved, Vector2(30, -5));
    graphics.HasFocus = false;  // the release happens in another window
    input.Cursor = inside + Vector2(90, 90);
    Frame();
    graphics.HasFocus = true;
    input.CurrentKeys.reset(KeyLeftMouse);
    Frame();
    EXPECT_FALSE(bar->IsDragging);
    EXPECT_EQ(moved, Vector2(30, -5));
}

TEST(EdPaletteDragTest, APaletteKeepsTenPixelsOnScreen) {
    const Vector2 screen(1280, 720);
    EXPECT_EQ(KeepPaletteOnScreen(Vector2(-500, -50), 200, screen), Vector2(-190, -10));
    EXPECT_EQ(KeepPaletteOnScreen(Vector2(5000, 5000), 200, screen), Vector2(1270, 710));
    EXPECT_EQ(KeepPaletteOnScreen(Vector2(40, 60), 200, screen), Vector2(40, 60));
}

TEST_F(EdWidgetsTest, AListItemMarksSelectionAndAPropertyRowKeepsTypedText) {
    auto* item = Make<EdListItemBhv>("EdListItem");
    item->Label = "Stone";
    item->IsSelected = true;
    item->SetRect(0, 0, 100, 20);
    EXPECT_EQ(item->Owner()->FindChild("Text")->Text()->Text, "Stone   <--");

    auto* row = Make<EdPropertyRowBhv>("EdPropertyRow", Rect(0, 40, 200, 20));
    row->ValueText = "1.5";
    row->SetRect(0, 40, 200, 20);
    EdFieldBhv* field = row->ValueField();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->Bounds, Rect(100, 40, 100, 20));
    EXPECT_EQ(field->Text, "1.5");
    field->StartEditing(true);
    row->ValueText = "2";
    row->SetRect(0, 40, 200, 20);
    EXPECT_EQ(field->Text, "");
}

// Numbers show in their shortest form; the shown text committed untouched commits
// the value's own text, so nothing is rewritten.
TEST_F(EdWidgetsTest, APropertyRowShowsShortNumbersAndCommitsAnUntouchedValueAsItIs) {
    auto* row = Make<EdPropertyRowBhv>("EdPropertyRow", Rect(0, 40, 200, 20));
    std::vector<std::string> checked, commits;
    row->SetCheck([&](const std::string& text) { checked.push_back(text); return true; });
    row->SetOnCommit([&](const std::string& text) { commits.push_back(text); });
    row->ValueText = "Polygon 0.300000012 -0.200000003 1 1";
    row->SetRect(0, 40, 200, 20);
    EXPECT_EQ(row->ValueField()->Text, "Polygon 0.3 -0.2 1 1");
    ClickAt({150, 50});
    Tap(KeyOemEnter);
    ClickAt({150, 50});
    Type("5");
    Tap(KeyOemEnter);
    EXPECT_EQ(commits, (std::vector<std::string>{row->ValueText, "Polygon 0.3 -0.2 1 15"}));
    EXPECT_EQ(checked, commits);
}

// With a font whose letters are 10 wide at the field's size, in a field with room for
// five: a letter the font lacks is refused and named; the text is cut to the field
// and scrolled to the caret, and shows from its start once editing ends.
TEST_F(EdWidgetsTest, AFieldRefusesLettersItsFontLacksAndShowsOnlyWhatFits) {
    BitmapFont font;
    font.NormalizedLineHeight = 1.0f;
    for (char32_t c : std::u32string(U"abcdefghij|\u00E9")) {
        font.Glyphs[int(c)] = Glyph{int(c), 0, 0, 0, 0, 0, 0, 10.0f / 16.0f};
    }
    auto* field = Make<EdFieldBhv>("EdField", Rect(100, 50, 52, 20));
    TextComponent* text = field->Owner()->FindChild("Text")->Text();
    ASSERT_EQ(text->FontSize, 16.0f);
    text->Font = &font;
    ClickAt(inside);
    Type("abcdefgh\u20AC\u00E9");
    EXPECT_EQ(field->Text, "abcdefgh\u00E9");
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("Cannot type \"\u20AC\""), std::string::npos) << warnings[0];
    EXPECT_EQ(Shown(field), "fgh\u00E9|");
    Tap(KeyHome);
    EXPECT_EQ(Shown(field), "|abcd");
    Tap(KeyEsc);
    EXPECT_EQ(Shown(field), "abcde");
    text->Font = nullptr;
}

// Keys through SDL's real queue, the poll and the field being edited, several in one
// poll as a slow frame gets them: they apply in the order they were typed.
class EdFieldTypingTest : public EdWidgetsTest {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
        field->OnCommit = [this](const std::string& text) { commits.push_back(text); };
        field->StartEditing(true);
    }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_EVENTS); }

    static void Push(SDL_Scancode key, bool down) {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.keysym.scancode = key;
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }
    static void Taps(std::initializer_list<SDL_Scancode> keys) {
        for (SDL_Scancode key : keys) {
            Push(key, true);
            Push(key, false);
        }
    }
    // What the system's text input sends for typing keys, a character at a time.
    static void TypeText(const std::string& text) {
        for (std::size_t at = 0; at < text.size(); at = Utf8::Next(text, at)) {
            SDL_Event event{};
            event.type = SDL_TEXTINPUT;
            text.copy(event.text.text, Utf8::Next(text, at) - at, at);
            ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
        }
    }
    static void Click(Uint8 button) {
        for (bool down : {true, false}) {
            SDL_Event event{};
            event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
            event.button.button = button;
            ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
        }
    }
    void PolledFrame() {
        input.Update();
        ASSERT_TRUE(input.Poll());
        TreePasses::InputPass(&root);
    }

    EdFieldBhv* field = Make<EdFieldBhv>("EdField");
    std::vector<std::string> commits;
};

TEST_F(EdFieldTypingTest, TextTypedBeforeEnterInTheSamePollIsCommittedWhole) {
    TypeText("3.75");
    Taps({SDL_SCANCODE_RETURN});
    TypeText("9");
    PolledFrame();
    EXPECT_EQ(commits, std::vector<std::string>{"3.75"});
    EXPECT_FALSE(field->IsEditing);
    EXPECT_EQ(field->Text, "3.75") << "what came after the Enter is not the field's";
}

TEST_F(EdFieldTypingTest, BackspaceCaretKeysAndDoubleLettersApplyInOrder) {
    TypeText("ab");
    Taps({SDL_SCANCODE_BACKSPACE});
    TypeText("ll");
    Taps({SDL_SCANCODE_HOME});
    TypeText("s");
    Taps({SDL_SCANCODE_END});
    TypeText("y");
    PolledFrame();
    EXPECT_EQ(field->Text, "sally");
    Taps({SDL_SCANCODE_LEFT, SDL_SCANCODE_DELETE, SDL_SCANCODE_TAB});
    PolledFrame();
    EXPECT_EQ(commits, std::vector<std::string>{"sall"});
}

// Typed, a click on another field, typed again, all in one poll: the click ends the
// first edit with what came before it, and the rest goes to the field it chose.
TEST_F(EdFieldTypingTest, AClickTakesItsPlaceAmongTheKeysOfAPoll) {
    auto* other = Make<EdFieldBhv>("EdField", Rect(100, 100, 200, 20));
    other->Text = "b";
    TypeText("3.5");
    input.Cursor = Vector2(150, 110);
    Click(SDL_BUTTON_LEFT);
    TypeText("x");
    PolledFrame();
    EXPECT_EQ(commits, std::vector<std::string>{"3.5"});
    EXPECT_FALSE(field->IsEditing);
    EXPECT_TRUE(other->IsEditing);
    EXPECT_EQ(other->Text, "bx");
}

// Letters come as the layout typed them, in UTF-8, and the caret keys and Backspace
// step over whole characters; a key pressed with Ctrl is a shortcut of its physical
// place and types nothing.
TEST_F(EdFieldTypingTest, TypedUtf8IsEditedByCharacterAndCtrlKeysTypeNothing) {
    TypeText("Ämeise_é");
    Push(SDL_SCANCODE_LCTRL, true);
    Taps({SDL_SCANCODE_Q});
    Push(SDL_SCANCODE_LCTRL, false);
    PolledFrame();
    EXPECT_EQ(field->Text, "Ämeise_é");
    Taps({SDL_SCANCODE_BACKSPACE, SDL_SCANCODE_HOME, SDL_SCANCODE_RIGHT, SDL_SCANCODE_BACKSPACE});
    TypeText("Ő");
    Taps({SDL_SCANCODE_LEFT, SDL_SCANCODE_DELETE});
    PolledFrame();
    EXPECT_EQ(field->Text, "meise_");
    EXPECT_EQ(field->Caret, 0u);
    PolledFrame();
    EXPECT_EQ(input.TypedText, "Ő") << "the frame-late text agrees";
}

}  // namespace
