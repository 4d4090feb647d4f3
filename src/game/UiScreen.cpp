#include "game/UiScreen.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "game/GameplayScreenBhv.h"
#include "game/HudRootBhv.h"

#include <set>

namespace {

std::set<UiScreen::PauseReason> reasons;

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

void UiScreen::Show(GameObject* object) {
    if (object != nullptr) object->SetShown(true);
}
void UiScreen::Hide(GameObject* object) {
    if (object != nullptr) object->SetShown(false);
}
bool UiScreen::IsShown(const GameObject* object) { return object != nullptr && object->UpdateEnabled; }
void UiScreen::SetPauseReason(PauseReason reason, bool on) {
    if (on) {
        reasons.insert(reason);
    } else {
        reasons.erase(reason);
    }
    ApplyPause();
}

bool UiScreen::HasPauseReason(PauseReason reason) { return reasons.count(reason) != 0; }

void UiScreen::ForgetPauseReason(PauseReason reason) { reasons.erase(reason); }

void UiScreen::PauseGameplay() { SetPauseReason(PauseReason::Menu, true); }

void UiScreen::ResumeGameplay() { SetPauseReason(PauseReason::Menu, false); }

bool UiScreen::IsGameplayPaused() { return !reasons.empty(); }

void UiScreen::ApplyPause() { SetGameplayRunning(!IsGameplayPaused()); }
