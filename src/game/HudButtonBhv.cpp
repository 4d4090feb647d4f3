#include "game/HudButtonBhv.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "core/Rect.h"
#include "game/GameplayScreenBhv.h"
#include "graphics/SpriteComponent.h"
#include "graphics/TintComponent.h"
#include "input/InputManager.h"

HudButtonBhv::HudButtonBhv() {
    AddProperty("SelectedTint", SelectedTint);
    AddProperty("IsHighlighted", IsHighlighted);
    AddProperty("HintName", HintName);
    AddProperty("HintAction", HintAction);
    AddProperty("HintText", HintText);
}

std::string HudButtonBhv::Hint() const {
    if (HintName.empty()) {
        return "";
    }
    const InputManager* input = Engine::InputManager;
    const std::vector<int> keys =
        input != nullptr ? KeyBindings::KeysOf(input->KeyMappings, FindActionCode(HintAction)) : std::vector<int>{};
    const std::string key = keys.empty() ? "" : " (" + KeyDisplayName(keys.front()) + ")";
    return HintName + key + ": " + HintText;
}

bool HudButtonBhv::Contains(const GameObject& button, Vector2 point) {
    const SpriteComponent* sprite = button.Sprite();
    if (sprite == nullptr) {
        return false;
    }
    const Rect r = sprite->GetWorldBounds();
    return r.x <= point.x && point.x < r.x + r.width && r.y <= point.y && point.y < r.y + r.height;
}

void HudButtonBhv::HandleInput() {
    if (TintComponent* tint = Tint()) {
        tint->Tint = IsHighlighted ? SelectedTint : Color{255, 255, 255, 255};
    }
    const InputManager* input = Engine::InputManager;
    if (input == nullptr || Owner() == nullptr || input->IsPointerTaken() || !OnClick) {
        return;
    }
    if (input->IsKeyPressed(KeyLeftMouse) && Contains(*Owner(), input->Cursor)) {
        OnClick();
    }
}
