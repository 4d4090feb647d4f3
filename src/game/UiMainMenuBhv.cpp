#include "game/UiMainMenuBhv.h"

#include "audio/CueManagerBhv.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "game/TextMenuBhv.h"
#include "game/UiMenuRootBhv.h"
#include "game/UiScreen.h"
#include "graphics/Graphics.h"
#include "input/InputManager.h"

namespace {

void ResumePlay() {
    if (Engine::MenuRoot != nullptr) {
        Engine::MenuRoot->CloseMenus();
    } else {
        UiScreen::ResumeGameplay();
    }
}

}  // namespace

void UiMainMenuBhv::Start() {
    UiScreen::Hide(Owner());
    if (auto* menu = Owner() != nullptr ? Owner()->GetComponent<TextMenuBhv>() : nullptr) {
        menu->OnSelect = [this, menu](int index) {
            const auto items = menu->Items();
            Select(items.at(static_cast<std::size_t>(index))->Name);
        };
    }
}

void UiMainMenuBhv::HandleInput() {
    if (!Engine::InputManager->AreKeysTaken() && Engine::InputManager->IsActionPressed(ActionMenuCancel)) {
        Select("Resume");
    }
}

void UiMainMenuBhv::Select(const std::string& item) {
    PlayCue("ButtonClick");
    if ((item == "Controls" || item == "Options") && Engine::MenuRoot != nullptr) {
        UiScreen::Hide(Owner());
        Engine::MenuRoot->OpenMenu("Ui" + item);
    } else if (item == "Fullscreen") {
        Engine::Graphics->SetFullscreen(!Engine::Graphics->IsFullscreen());
    } else if (item == "Quit") {
        Engine::QuitRequested = true;
    } else {
        if (auto* menu = Owner()->GetComponent<TextMenuBhv>()) {
            menu->SelectedIndex = 0;
        }
        ResumePlay();
    }
}
