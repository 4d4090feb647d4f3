#include "game/UiMessageBoxBhv.h"

#include "core/Engine.h"
#include "game/UiScreen.h"
#include "input/InputManager.h"

void UiMessageBoxBhv::Start() { StartCoroutine(&UiMessageBoxBhv::PauseGameplay); }

void UiMessageBoxBhv::HandleInput() {
    const InputManager& input = *Engine::InputManager;
    if (input.IsActionPressed(ActionMenuConfirm) || input.IsActionPressed(ActionMenuCancel)) {
        UiScreen::Hide(Owner());
        UiScreen::ResumeGameplay();
    }
}

CoCommand UiMessageBoxBhv::PauseGameplay(int resumePoint) {
    COROUTINE_IDENTITY(resumePoint);
    if (resumePoint == 0) {
        return CoCommand::WaitFrames(2);
    }
    UiScreen::PauseGameplay();
    return CoCommand::Stop();
}
