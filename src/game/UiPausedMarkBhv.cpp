#include "game/UiPausedMarkBhv.h"

#include "core/GameObject.h"
#include "game/UiScreen.h"

void UiPausedMarkBhv::Start() { Update(); }

void UiPausedMarkBhv::Update() {
    if (Owner() != nullptr) {
        Owner()->DrawEnabled = UiScreen::IsGameplayPaused();
    }
}
