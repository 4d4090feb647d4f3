#include "game/HudHintBhv.h"

#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "core/KeyCode.h"
#include "core/Rect.h"
#include "game/HudButtonBhv.h"
#include "game/HudRootBhv.h"
#include "game/UiScreen.h"
#include "graphics/Graphics.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/SpriteComponent.h"
#include "graphics/TextComponent.h"
#include "graphics/TextLayout.h"
#include "input/InputManager.h"

#include <algorithm>

namespace {

// Between the text and the panel's ends; between the panel, its button and the
// window's edges.
constexpr float kPadding = 16.0f;
constexpr float kGap = 8.0f;

float WidestLine(const TextComponent& text) {
    if (text.Font == nullptr) {
        return 0.0f;
    }
    const TextLines lines = TextLayout::BreakLines(*text.Font, text.Text, text.Style());
    return lines.Widths.empty() ? 0.0f : *std::max_element(lines.Widths.begin(), lines.Widths.end());
}

// The centre's coordinate that keeps a span of `size` within [kGap, end - kGap],
// starting at `wanted` if it can; a span too long for the window starts at kGap.
float KeepInside(float wanted, float size, float end) {
    return std::max(kGap, std::min(wanted, end - kGap - size)) + size / 2.0f;
}

}  // namespace

HudHintBhv::HudHintBhv() { AddProperty("Delay", Delay); }

void HudHintBhv::Start() {
    if (Owner() != nullptr) {
        Owner()->DrawEnabled = false;
    }
}

bool HudHintBhv::IsShowing() const { return Owner() != nullptr && Owner()->DrawEnabled; }

void HudHintBhv::Update() {
    if (Owner() == nullptr) {
        return;
    }
    HudButtonBhv* button = PointedButton();
    if (button != restingOn_) {
        restingOn_ = button;
        restSeconds_ = 0.0f;
        dismissed_ = false;
    } else if (button != nullptr) {
        restSeconds_ += Engine::FrameTime->DeltaSeconds;
    }
    if (button != nullptr && Engine::InputManager->IsKeyPressed(KeyLeftMouse)) {
        dismissed_ = true;
    }
    const bool show = button != nullptr && !dismissed_ && restSeconds_ >= Delay && !button->HintName.empty();
    if (show && !Owner()->DrawEnabled) {
        ShowFor(*button);
    }
    Owner()->DrawEnabled = show;
}

HudButtonBhv* HudHintBhv::PointedButton() const {
    const InputManager* input = Engine::InputManager;
    if (input == nullptr || input->IsPointerTaken() || UiScreen::IsGameplayPaused()) {
        return nullptr;
    }
    const GameObject* hud = Owner()->Parent();
    const HudRootBhv* root = hud != nullptr ? hud->GetComponent<HudRootBhv>() : nullptr;
    return root != nullptr ? root->ButtonUnderCursor() : nullptr;
}

void HudHintBhv::ShowFor(const HudButtonBhv& button) {
    GameObject* label = FindChild("Text");
    TextComponent* text = label != nullptr ? label->Text() : nullptr;
    if (text != nullptr) {
        text->Text = button.Hint();
    }
    if (SpriteComponent* panel = Sprite()) {
        panel->Size.x = (text != nullptr ? WidestLine(*text) : 0.0f) + 2.0f * kPadding;
    }
    if (button.Owner() != nullptr) {
        PlaceNear(*button.Owner());
    }
}

// Below the button, its left ends in line; above it when the window ends below.
void HudHintBhv::PlaceNear(const GameObject& button) {
    if (Sprite() == nullptr || Pos2d() == nullptr || button.Sprite() == nullptr) {
        return;
    }
    const Vector2 size = Sprite()->Size;
    const Rect at = button.Sprite()->GetWorldBounds();
    const float width = Engine::Graphics != nullptr ? static_cast<float>(Engine::Graphics->Width) : 1280.0f;
    const float height = Engine::Graphics != nullptr ? static_cast<float>(Engine::Graphics->Height) : 720.0f;
    float top = at.y + at.height + kGap;
    if (top + size.y > height - kGap) {
        top = at.y - kGap - size.y;
    }
    Pos2d()->Pos = {KeepInside(at.x, size.x, width), KeepInside(top, size.y, height)};
}
