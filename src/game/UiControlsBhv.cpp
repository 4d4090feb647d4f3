#include "game/UiControlsBhv.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "game/UiButtonBhv.h"
#include "game/UiMenuRootBhv.h"
#include "game/UiScreen.h"
#include "input/InputManager.h"

void UiControlsBhv::Start() { UiScreen::Hide(Owner()); }

void UiControlsBhv::HandleInput() {
    // Wired when used, not at Start: the editor may make the line anew.
    const GameObject* line = FindChild("Back");
    if (auto* back = line != nullptr ? line->GetComponent<UiButtonBhv>() : nullptr; back != nullptr && !back->OnClick) {
        back->OnClick = [this] { Back(); };
    }
    const InputManager& input = *Engine::InputManager;
    if (!input.AreKeysTaken() && (input.IsActionPressed(ActionMenuConfirm) || input.IsActionPressed(ActionMenuCancel))) {
        Back();
    }
}

void UiControlsBhv::Update() {
    if (GameObject* keys = FindChild("EditorKeys")) {
        keys->DrawEnabled = Engine::EditorRoot != nullptr;
    }
}

void UiControlsBhv::Back() {
    UiScreen::Hide(Owner());
    if (Engine::MenuRoot != nullptr) {
        Engine::MenuRoot->OpenMenu("UiMainMenu");
    }
}
