#include "game/HudMessageFlashBhv.h"
#include "game/TextMenuBhv.h"
#include "game/TreePasses.h"
#include "game/UiButtonBhv.h"
#include "game/UiControlsBhv.h"
#include "game/UiMainMenuBhv.h"
#include "game/UiMenuRootBhv.h"
#include "game/UiMessageBoxBhv.h"
#include "game/UiScreen.h"
#include "graphics/TextComponent.h"
#include "support/GameplayScene.h"

#include <SDL.h>

namespace {

// The pause menus as the content builds them: a root with the background, the main
// menu (Resume, Controls, Fullscreen, Quit; 200 x 40 pixel items from y = 100) and
// the controls screen, beside a gameplay screen and the HUD.
class MenuTest : public GameplayScene {
protected:
    MenuTest() {
        input.KeyMappings = {{ActionMoveUp, KeyUp}, {ActionMoveDown, KeyDown}, {ActionMenuConfirm, KeyOemEnter},
                             {ActionMenuCancel, KeyEsc}};
        AddScreen();
        AddHud();
        GameObject* menus = Add(&root, "Menus");
        Add(menus, "UiMenuBg");
        main = Add(menus, "UiMainMenu");
        float y = 100.0f;
        for (const char* name : {"Resume", "Controls", "Fullscreen", "Quit"}) {
            GameObject* item = Add(main, name);
            item->PrefabName = "UiTextMenuItem";
            Attach<Pos2dComponent>(item)->Pos = {640.0f, y + 20.0f};
            Attach<SpriteComponent>(item)->Size = {200.0f, 40.0f};
            Attach<TintComponent>(item);
            y += 50.0f;
        }
        menu = Attach<TextMenuBhv>(main);
        Attach<UiMainMenuBhv>(main);
        AddControlsPage(menus);
        menuRoot = Attach<UiMenuRootBhv>(menus);
    }
    ~MenuTest() override { Engine::QuitRequested = false; }

    // The controls page: rows for Flames and Mute, "Reset", and "Back" at y = 600.
    void AddControlsPage(GameObject* menus) {
        GameObject* page = Add(menus, "UiControls");
        const std::pair<const char*, float> rows[] = {
            {"FireStream", 100.0f}, {"Mute", 150.0f}, {"Reset", 200.0f}, {"Back", 600.0f}};
        for (const auto& [name, y] : rows) {
            GameObject* row = Add(page, name);
            row->PrefabName = "UiControlsRow";
            Attach<Pos2dComponent>(row)->Pos = {640.0f, y};
            Attach<SpriteComponent>(row)->Size = {600.0f, 40.0f};
            Attach<TextComponent>(Add(row, "Keys"));
        }
        Attach<TextComponent>(Add(page, "Message"));
        Attach<TextMenuBhv>(page)->ItemPrefab = "UiControlsRow";
        controls = Attach<UiControlsBhv>(page);
    }
    std::string Keys(const char* row) const { return controls->FindChild(row)->FindChild("Keys")->Text()->Text; }
    std::string Message() const { return controls->FindChild("Message")->Text()->Text; }

    void Tap(int key) {
        Hold(key);
        Frame();
        Release(key);
        Frame();
    }
    bool Paused() const { return !screen->Owner()->UpdateEnabled; }
    bool Shown(const char* name) const { return UiScreen::IsShown(menuRoot->FindChild(name)); }

    GameObject* main = nullptr;
    TextMenuBhv* menu = nullptr;
    UiMenuRootBhv* menuRoot = nullptr;
    UiControlsBhv* controls = nullptr;
};

TEST_F(MenuTest, EscOpensTheMenuOverAPausedFieldAndEscAgainPlaysOn) {
    EXPECT_FALSE(Shown("UiMenuBg"));
    EXPECT_FALSE(Shown("UiMainMenu"));
    Hold(KeyEsc);
    TreePasses::InputPass(&root);
    EXPECT_FALSE(Shown("UiMainMenu")) << "shown by the update pass after the press";
    TreePasses::UpdatePass(&root);
    EXPECT_TRUE(Shown("UiMainMenu"));
    EXPECT_TRUE(Shown("UiMenuBg"));
    EXPECT_TRUE(Paused());
    EXPECT_FALSE(hud->InputEnabled);
    input.Update();
    Frame();  // Esc still held: neither the root nor the menu sees a new press
    EXPECT_TRUE(Shown("UiMainMenu"));
    Release(KeyEsc);
    Frame();

    Tap(KeyEsc);
    EXPECT_FALSE(Shown("UiMainMenu"));
    EXPECT_FALSE(Shown("UiMenuBg"));
    EXPECT_FALSE(Paused());
    EXPECT_TRUE(hud->InputEnabled);
    Frame();
    EXPECT_FALSE(Shown("UiMainMenu")) << "the root did not reopen it with the same press";
}

TEST_F(MenuTest, ResumeClosesEverythingAndTheKeysWrapRoundTheItems) {
    Tap(KeyEsc);
    Tap(KeyUp);
    EXPECT_EQ(menu->SelectedIndex, 3);
    Tap(KeyDown);
    EXPECT_EQ(menu->SelectedIndex, 0);
    Tap(KeyDown);
    Frame();
    EXPECT_EQ(main->FindChild("Controls")->Tint()->Tint.a, 255);
    EXPECT_EQ(main->FindChild("Resume")->Tint()->Tint.a, 127);

    Tap(KeyUp);
    Tap(KeyOemEnter);  // Resume
    EXPECT_FALSE(Shown("UiMenuBg"));
    EXPECT_FALSE(Paused());
    Tap(KeyEsc);
    EXPECT_TRUE(Shown("UiMainMenu")) << "the menu opens again: no soft-lock";
}

TEST_F(MenuTest, ControlsComeAndGoBackToTheMenuAndQuitEndsTheLoop) {
    Tap(KeyEsc);
    Tap(KeyDown);
    Tap(KeyOemEnter);
    EXPECT_TRUE(Shown("UiControls"));
    EXPECT_FALSE(Shown("UiMainMenu"));
    Tap(KeyEsc);
    EXPECT_FALSE(Shown("UiControls"));
    EXPECT_TRUE(Shown("UiMainMenu"));
    EXPECT_TRUE(Paused());
    Tap(KeyOemEnter);
    input.Cursor = {640.0f, 600.0f};  // "Back": a mouse-only player gets back too
    Tap(KeyLeftMouse);
    Frame();
    EXPECT_FALSE(Shown("UiControls"));
    EXPECT_TRUE(Shown("UiMainMenu"));

    menu->Choose(3);
    EXPECT_TRUE(Engine::QuitRequested);
}

// Keys typed on the controls page come through SDL's real queue and the poll.
class ControlsPageTest : public MenuTest {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
        input.KeyMappings.insert({{ActionFireStream, KeySpace}, {ActionMute, KeyM}});
        input.Bindings = KeyBindings(input.KeyMappings, {});
        Tap(KeyEsc);
        Tap(KeyDown);
        Tap(KeyOemEnter);
        ASSERT_TRUE(Shown("UiControls"));
    }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_EVENTS); }
    TextMenuBhv* PageMenu() const { return controls->Owner()->GetComponent<TextMenuBhv>(); }
    // A key as the system sends it: the poll captures it when asked to.
    void Type(SDL_Scancode scancode) {
        for (const bool down : {true, false}) {
            SDL_Event event{};
            event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
            event.key.keysym.scancode = scancode;
            SDL_PushEvent(&event);
            input.Poll();
            Frame();
        }
    }
};

TEST_F(ControlsPageTest, AChosenActionTakesTheNextKeyAloneSwapsItAndEscCancels) {
    EXPECT_EQ(Keys("FireStream"), "Space");
    Tap(KeyOemEnter);
    EXPECT_FALSE(Shown("UiControls")) << "the page opens on Back";
    Tap(KeyOemEnter);
    ASSERT_TRUE(Shown("UiControls"));

    Tap(KeyDown);  // round to Flames
    Tap(KeyOemEnter);
    EXPECT_EQ(controls->ListeningFor(), ActionFireStream);
    EXPECT_EQ(Message(), "Press a key for Flames; Esc cancels.");
    Type(SDL_SCANCODE_ESCAPE);
    EXPECT_EQ(controls->ListeningFor(), -1);
    EXPECT_TRUE(Shown("UiControls")) << "Esc only cancelled";
    EXPECT_EQ(Message(), "Flames keeps Space.");

    Tap(KeyOemEnter);
    Type(SDL_SCANCODE_LSHIFT);
    EXPECT_EQ(Message(), "Shift alone cannot be bound; press another key.");
    Type(SDL_SCANCODE_DOWN);
    EXPECT_EQ(Keys("FireStream"), "Down");
    EXPECT_EQ(PageMenu()->SelectedIndex, 0) << "the key bound did not also move the menu";
    EXPECT_EQ(Message(), "Flames: Down.");

    Tap(KeyDown);  // Mute
    Tap(KeyOemEnter);
    Type(SDL_SCANCODE_DOWN);
    EXPECT_EQ(Keys("Mute"), "Down");
    EXPECT_EQ(Keys("FireStream"), "M");
    EXPECT_EQ(Message(), "Down was Flames' key; Flames now has M.");

    Tap(KeyDown);  // Reset
    Tap(KeyOemEnter);
    EXPECT_EQ(Keys("FireStream"), "Space");
    EXPECT_EQ(Keys("Mute"), "M");
}

TEST_F(MenuTest, TheMousePointsAndClicksOnlyOnPressAndReleaseOverTheSameItem) {
    Tap(KeyEsc);
    input.Cursor = {640.0f, 175.0f};  // "Controls"
    Frame();
    EXPECT_EQ(menu->SelectedIndex, 1);
    Hold(KeyLeftMouse);
    Frame();
    input.Cursor = {640.0f, 125.0f};  // released over "Resume"
    Release(KeyLeftMouse);
    Frame();
    EXPECT_TRUE(Shown("UiMainMenu"));
    Hold(KeyLeftMouse);
    Frame();
    Release(KeyLeftMouse);
    Frame();
    EXPECT_FALSE(Shown("UiMainMenu"));
    EXPECT_FALSE(Paused());
}

TEST_F(MenuTest, AMenuWithoutItemsIgnoresTheKeys) {
    while (!main->Children().empty()) delete main->Children().back();
    bool selected = false;
    menu->OnSelect = [&](int) { selected = true; };
    UiScreen::Show(main);
    Tap(KeyDown);
    Tap(KeyOemEnter);
    EXPECT_EQ(menu->SelectedIndex, 0);
    EXPECT_FALSE(selected);
}

TEST_F(MenuTest, AButtonClicksOnlyWhenPressedAndReleasedInside) {
    GameObject* object = Add(&root, "Button");
    Attach<Pos2dComponent>(object)->Pos = {50.0f, 50.0f};
    Attach<SpriteComponent>(object)->Size = {20.0f, 20.0f};
    Attach<TintComponent>(object);
    auto* button = Attach<UiButtonBhv>(object);
    int clicks = 0;
    button->OnClick = [&] { ++clicks; };
    auto pressAndRelease = [&](Vector2 press, Vector2 release) {
        input.Cursor = press;
        Hold(KeyLeftMouse);
        Frame();
        input.Cursor = release;
        Release(KeyLeftMouse);
        Frame();
    };
    pressAndRelease({10.0f, 10.0f}, {50.0f, 50.0f});
    pressAndRelease({50.0f, 50.0f}, {10.0f, 10.0f});
    EXPECT_EQ(clicks, 0);
    pressAndRelease({45.0f, 55.0f}, {50.0f, 50.0f});
    EXPECT_EQ(clicks, 1);
    button->IsGrayedOut = true;
    Frame();
    EXPECT_EQ(object->Tint()->Tint.a, 51);
}

TEST_F(MenuTest, AMessageBoxPausesAfterTwoFramesAndEnterPlaysOn) {
    GameObject* box = Add(&root, "UiMessageBox");
    Attach<UiMessageBoxBhv>(box);
    Frame();
    EXPECT_FALSE(Paused());
    Frame();
    EXPECT_TRUE(Paused());
    Tap(KeyOemEnter);
    EXPECT_FALSE(Paused());
    EXPECT_FALSE(UiScreen::IsShown(box));
}

TEST_F(MenuTest, AFlashFadesFromOpaqueToClearOverItsTimeThenHides) {
    GameObject* object = Add(hud, "MessageFlash");
    GameObject* text = Add(object, "HudText");
    Attach<TintComponent>(text);
    Attach<TextComponent>(text);
    auto* flash = Attach<HudMessageFlashBhv>(object);
    flash->FadeTime = 0.5f;
    Frame();
    EXPECT_FALSE(object->DrawEnabled);

    FlashMessage("Night falls");
    EXPECT_EQ(text->GetComponent<TextComponent>()->Text, "Night falls");
    std::vector<int> alphas;
    for (int i = 0; i < 5; ++i) {
        Frame();
        if (object->DrawEnabled) alphas.push_back(text->Tint()->Tint.a);
    }
    EXPECT_EQ(alphas, (std::vector<int>{255, 191, 127, 63}));
    EXPECT_FALSE(object->DrawEnabled);

    flash->FadeTime = 0.0f;  // no fade: one opaque frame, no wrapped alpha byte
    flash->Show("Day breaks");
    Frame();
    EXPECT_EQ(text->Tint()->Tint.a, 255);
    Frame();
    EXPECT_FALSE(object->DrawEnabled);
}

}  // namespace
