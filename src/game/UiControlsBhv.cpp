#include "game/UiControlsBhv.h"

#include "core/Engine.h"
#include "game/UiMenuRootBhv.h"
#include "game/UiScreen.h"
#include "input/InputManager.h"

void UiControlsBhv::Start() { UiScreen::Hide(Owner()); }

void UiControlsBhv::HandleInput() {
    const InputManager& input = *Engine::InputManager;
    if (input.AreKeysTaken() || (!input.IsActionPressed(ActionMenuConfirm) && !input.IsActionPressed(ActionMenuCancel))) {
        return;
    }
    UiScreen::Hide(Owner());
    if (Engine::MenuRoot != nullptr) {
        Engine::MenuRoot->OpenMenu("UiMainMenu");
    }
}
