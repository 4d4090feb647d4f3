#include "game/HudRootBhv.h"

#include "audio/CueManagerBhv.h"
#include "core/ContentLog.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "game/GameplayScreenBhv.h"
#include "game/HudButtonBhv.h"
#include "game/HudMessageFlashBhv.h"
#include "game/UiScreen.h"
#include "input/InputManager.h"

namespace {

const char* const kDayNightButton = "BtnDayNight";

// The click cue sounds only when the click did something.
void ToggleDayNight() {
    GameplayScreenBhv* screen = Engine::GameplayScreen;
    if (screen != nullptr && screen->ToggleDayNight()) {
        PlayCue("ButtonClick");
    }
}

const char* ToolName(int tool) {
    switch (tool) {
        case ToolFeed: return "Seeds";
        case ToolExamine: return "Magnifying glass";
        case ToolLight: return "Flashlight";
        default: return "";
    }
}

void SelectTool(int tool) {
    if (GameplayScreenBhv* screen = Engine::GameplayScreen) {
        if (screen->Tool != tool) {
            FlashMessage(ToolName(tool));
        }
        screen->Tool = tool;
        PlayCue("ButtonClick");
    }
}

}  // namespace

const std::array<HudRootBhv::ToolButton, 3> HudRootBhv::kToolButtons{{
    {"BtnFeed", ToolFeed, ActionToolFeed},
    {"BtnExamine", ToolExamine, ActionToolExamine},
    {"BtnLight", ToolLight, ActionToolLight},
}};

HudRootBhv::~HudRootBhv() {
    if (Engine::HudRoot == this) {
        Engine::HudRoot = nullptr;
    }
}

void HudRootBhv::Start() {
    Engine::HudRoot = this;
    if (HudButtonBhv* button = ButtonNamed(kDayNightButton)) {
        button->OnClick = ToggleDayNight;
    }
    for (const ToolButton& entry : kToolButtons) {
        if (HudButtonBhv* button = ButtonNamed(entry.Name)) {
            button->OnClick = [tool = entry.Tool] { SelectTool(tool); };
        }
    }
}

void HudRootBhv::HandleInput() {
    const InputManager* input = Engine::InputManager;
    if (input == nullptr || input->AreKeysTaken() || UiScreen::IsGameplayPaused()) {
        return;
    }
    if (input->IsActionPressed(ActionDayNight)) {
        ToggleDayNight();
    }
    for (const ToolButton& entry : kToolButtons) {
        if (input->IsActionPressed(entry.Action)) {
            SelectTool(entry.Tool);
        }
    }
}

void HudRootBhv::Update() {
    const GameplayScreenBhv* screen = Engine::GameplayScreen;
    if (screen == nullptr) {
        return;
    }
    for (const ToolButton& entry : kToolButtons) {
        if (GameObject* object = FindChild(entry.Name)) {
            if (auto* button = object->GetComponent<HudButtonBhv>()) {
                button->IsHighlighted = screen->Tool == entry.Tool;
            }
        }
    }
}

bool HudRootBhv::IsMouseOverHud() const { return ButtonUnderCursor() != nullptr; }

HudButtonBhv* HudRootBhv::ButtonUnderCursor() const {
    if (Engine::InputManager == nullptr || Owner() == nullptr) {
        return nullptr;
    }
    for (const GameObject* child : Owner()->Children()) {
        auto* button = child->GetComponent<HudButtonBhv>();
        if (button != nullptr && HudButtonBhv::Contains(*child, Engine::InputManager->Cursor)) {
            return button;
        }
    }
    return nullptr;
}

HudButtonBhv* HudRootBhv::ButtonNamed(const char* name) const {
    const GameObject* object = FindChild(name);
    HudButtonBhv* button = object != nullptr ? object->GetComponent<HudButtonBhv>() : nullptr;
    if (button == nullptr && Owner() != nullptr) {
        ContentLog::Warning("HUD \"" + Owner()->Name + "\" has no button \"" + name + "\" with a HudButtonBhv");
    }
    return button;
}
