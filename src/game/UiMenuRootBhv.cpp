#include "game/UiMenuRootBhv.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "game/GameplayScreenBhv.h"
#include "game/UiScreen.h"
#include "input/InputManager.h"

UiMenuRootBhv::~UiMenuRootBhv() {
    if (Engine::MenuRoot == this) {
        Engine::MenuRoot = nullptr;
    }
}

void UiMenuRootBhv::Start() {
    Engine::MenuRoot = this;
    UiScreen::Hide(FindChild("UiMenuBg"));
}

void UiMenuRootBhv::HandleInput() {
    // While a menu is up, the menu itself answers Esc; while something above the
    // game takes the keys (the open editor: Esc ends a grab), Esc is its.
    if (!IsMenuUp() && !Engine::InputManager->AreKeysTaken() && Engine::InputManager->IsActionPressed(ActionMenuCancel)) {
        OpenMenu("UiMainMenu");
    }
}

bool UiMenuRootBhv::IsMenuUp() const { return UiScreen::IsShown(FindChild("UiMenuBg")); }

void UiMenuRootBhv::OpenMenu(const std::string& name) {
    requestedMenu_ = name;
    StartCoroutine(&UiMenuRootBhv::ShowMenu);
}

void UiMenuRootBhv::CloseMenus() {
    requestedMenu_.clear();
    if (Owner() != nullptr) {
        for (GameObject* child : Owner()->Children()) {
            UiScreen::Hide(child);
        }
    }
    UiScreen::ResumeGameplay();
}

CoCommand UiMenuRootBhv::ShowMenu(int resumePoint) {
    COROUTINE_IDENTITY(resumePoint);
    switch (resumePoint) {
        case 0:
            return CoCommand::WaitFrames(1);
        case 1:
            if (requestedMenu_.empty()) {
                UiScreen::Hide(FindChild("UiMenuBg"));
                UiScreen::ResumeGameplay();
                return CoCommand::Stop();
            }
            if (requestedMenu_ == "UiSupplyLoadoutMenu") {
                UiScreen::Hide(FindChild("UiMenuBg"));
            } else {
                UiScreen::Show(FindChild("UiMenuBg"));
            }
            UiScreen::PauseGameplay();
            UiScreen::Show(FindChild(requestedMenu_));
            return CoCommand::Stop();
    }
    return CoCommand::Stop();
}
