#include "game/UiButtonBhv.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "core/KeyCode.h"
#include "game/HudButtonBhv.h"
#include "graphics/TintComponent.h"
#include "input/InputManager.h"

UiButtonBhv::UiButtonBhv() { AddProperty("IsGrayedOut", IsGrayedOut); }

void UiButtonBhv::HandleInput() {
    const InputManager& input = *Engine::InputManager;
    const bool inside = Owner() != nullptr && HudButtonBhv::Contains(*Owner(), input.Cursor);
    if (input.IsKeyPressed(KeyLeftMouse) && inside) {
        latched_ = true;
    }
    const bool held = input.IsKeyDown(KeyLeftMouse);
    if (latched_ && !held && inside && OnClick) {
        OnClick();
    }
    if (!held) {
        latched_ = false;
    }
    IsPressed = latched_;
}

void UiButtonBhv::Update() {
    if (TintComponent* tint = Tint()) {
        tint->Tint.a = IsGrayedOut ? 51 : 255;
    }
}
