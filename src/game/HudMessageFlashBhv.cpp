#include "game/HudMessageFlashBhv.h"

#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "graphics/TextComponent.h"
#include "graphics/TintComponent.h"

#include <algorithm>
#include <cstdint>

HudMessageFlashBhv::HudMessageFlashBhv() { AddProperty("FadeTime", FadeTime); }

HudMessageFlashBhv::~HudMessageFlashBhv() {
    if (Engine::MessageFlash == this) {
        Engine::MessageFlash = nullptr;
    }
}

void HudMessageFlashBhv::Start() { Engine::MessageFlash = this; }

void HudMessageFlashBhv::Show(const std::string& text) {
    if (GameObject* hudText = FindChild("HudText")) {
        if (auto* component = hudText->GetComponent<TextComponent>()) {
            component->Text = text;
        }
    }
    // A fade of no length still shows the text for a frame.
    FlashTimeLeft = std::max(FadeTime, 1e-3f);
}

void HudMessageFlashBhv::Update() {
    if (Owner() == nullptr) {
        return;
    }
    if (FlashTimeLeft <= 0.0f) {
        Owner()->DrawEnabled = false;
        return;
    }
    Owner()->DrawEnabled = true;
    // Clamped, so a time left beyond the fade (or a fade of 0) never wraps the byte.
    const float share = FadeTime > 0.0f ? std::clamp(FlashTimeLeft / FadeTime, 0.0f, 1.0f) : 1.0f;
    if (GameObject* hudText = FindChild("HudText"); hudText != nullptr && hudText->Tint() != nullptr) {
        hudText->Tint()->Tint.a = static_cast<std::uint8_t>(share * 255.0f);
    }
    FlashTimeLeft -= Engine::FrameTime->DeltaSeconds;
}

void FlashMessage(const std::string& text) {
    if (Engine::MessageFlash != nullptr) {
        Engine::MessageFlash->Show(text);
    }
}
