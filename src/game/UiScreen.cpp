#include "game/UiScreen.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "editor/EditorState.h"
#include "game/GameplayScreenBhv.h"
#include "game/HudRootBhv.h"

namespace {

bool menuPause = false;

void SetShown(GameObject* object, bool on) {
    if (object != nullptr) {
        object->InputEnabled = on;
        object->UpdateEnabled = on;
        object->DrawEnabled = on;
    }
}

// The HUD's buttons stop taking clicks too: they lie under the menu.
void SetGameplayRunning(bool on) {
    if (Engine::GameplayScreen != nullptr && Engine::GameplayScreen->Owner() != nullptr) {
        GameObject* screen = Engine::GameplayScreen->Owner();
        screen->InputEnabled = on;
        screen->UpdateEnabled = on;
    }
    if (Engine::HudRoot != nullptr && Engine::HudRoot->Owner() != nullptr) {
        Engine::HudRoot->Owner()->InputEnabled = on;
    }
}

}  // namespace

void UiScreen::Show(GameObject* object) { SetShown(object, true); }
void UiScreen::Hide(GameObject* object) { SetShown(object, false); }
bool UiScreen::IsShown(const GameObject* object) { return object != nullptr && object->UpdateEnabled; }
void UiScreen::PauseGameplay() {
    menuPause = true;
    ApplyPause();
}

void UiScreen::ResumeGameplay() {
    menuPause = false;
    ApplyPause();
}

bool UiScreen::IsGameplayPaused() {
    const EditorState* editor = Engine::EditorState;
    return menuPause || (editor != nullptr && (editor->PauseGame || editor->IsToolOpen()));
}

bool UiScreen::IsEditorAsking() {
    return Engine::EditorState != nullptr && Engine::EditorState->IsKeyboardCaptured;
}

void UiScreen::ApplyPause() { SetGameplayRunning(!IsGameplayPaused()); }
