#include "game/UiControlsBhv.h"

#include "audio/CueManagerBhv.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "core/KeyCode.h"
#include "game/TextMenuBhv.h"
#include "game/UiMenuRootBhv.h"
#include "game/UiScreen.h"
#include "graphics/TextComponent.h"
#include "graphics/TintComponent.h"
#include "input/InputManager.h"

#include <vector>

namespace {

constexpr const char* kHowTo = "Choose an action, then press its new key.";
// The row's bar: chosen, and waiting for a key.
constexpr Color kChosenBar{217, 189, 134, 255};
constexpr Color kListeningBar{240, 200, 96, 255};

std::string Readable(int action) {
    switch (action) {
        case ActionDayNight: return "Day/night";
        case ActionToolFeed: return "Feed";
        case ActionToolExamine: return "Examine";
        case ActionToolLight: return "Light";
        case ActionFireStream: return "Flames";
        case ActionMute: return "Mute";
        case ActionFrameStats: return "Frame statistics";
        case ActionScreenshot: return "Screenshot";
        default: return ActionName(action);
    }
}

std::string Possessive(const std::string& name) { return name + (name.back() == 's' ? "'" : "'s"); }

std::string KeysText(int action) {
    std::string text;
    for (const int key : KeyBindings::KeysOf(Engine::InputManager->KeyMappings, action)) {
        text += (text.empty() ? "" : " / ") + KeyDisplayName(key);
    }
    return text;
}

// Why `key` cannot be bound; "" when it can.
std::string Refusal(int key) {
    if (key == KeyLeftMouse) {
        return "The left mouse button points and clicks; press a key.";
    }
    if (IsModifierKey(key)) {
        return KeyDisplayName(key) + " alone cannot be bound; press another key.";
    }
    if ((key == KeyF1 || key == KeyF11) && Engine::EditorRoot != nullptr) {
        return KeyDisplayName(key) + " opens the editor; press another key.";
    }
    return "";
}

void SetText(GameObject& row, const char* child, const std::string& text) {
    GameObject* label = row.FindChild(child);
    if (TextComponent* component = label != nullptr ? label->Text() : nullptr) {
        component->Text = text;
    }
}

}  // namespace

UiControlsBhv::~UiControlsBhv() {
    if (listening_ >= 0 && Engine::InputManager != nullptr) {
        Engine::InputManager->CaptureNextKey(false);
    }
}

void UiControlsBhv::Start() {
    UiScreen::Hide(Owner());
    if (TextMenuBhv* menu = Menu()) {
        menu->OnSelect = [this, menu](int index) { Choose(menu->Items().at(static_cast<std::size_t>(index))->Name); };
    }
    SelectBack();
    Say(kHowTo);
}

TextMenuBhv* UiControlsBhv::Menu() const { return Owner() != nullptr ? Owner()->GetComponent<TextMenuBhv>() : nullptr; }

void UiControlsBhv::HandleInput() {
    const InputManager& input = *Engine::InputManager;
    if (listening_ >= 0) {
        if (input.CapturedKey() != KeyNone) {
            TakeKey(input.CapturedKey());
        }
    } else if (!input.AreKeysTaken() && input.IsActionPressed(ActionMenuCancel)) {
        Back();
    }
}

void UiControlsBhv::Choose(const std::string& row) {
    PlayCue("ButtonClick");
    InputManager& input = *Engine::InputManager;
    if (row == "Back") {
        Back();
    } else if (row == "Reset") {
        input.KeyMappings = input.Bindings.Reset();
        Say("All keys are back to their defaults.");
    } else if (const int action = FindActionCode(row); KeyBindings::IsRebindable(action)) {
        Listen(action);
    }
}

void UiControlsBhv::Listen(int action) {
    listening_ = action;
    Engine::InputManager->CaptureNextKey(true);
    Say("Press a key for " + Readable(action) + "; Esc cancels.");
}

void UiControlsBhv::TakeKey(int key) {
    InputManager& input = *Engine::InputManager;
    const int action = listening_;
    if (key == KeyEsc) {
        listening_ = -1;
        Say(Readable(action) + " keeps " + KeysText(action) + ".");
        return;
    }
    if (const std::string why = Refusal(key); !why.empty()) {
        input.CaptureNextKey(true);
        Say(why);
        return;
    }
    listening_ = -1;
    const KeyBindings::Swap swap = input.Bindings.Bind(input.KeyMappings, action, key);
    if (swap.Action >= 0) {
        const std::string other = Readable(swap.Action);
        Say(KeyDisplayName(key) + " was " + Possessive(other) + " key; " + other + " now has " +
            KeyDisplayName(swap.Key) + ".");
    } else {
        Say(Readable(action) + ": " + KeysText(action) + ".");
    }
}

void UiControlsBhv::Back() {
    if (listening_ >= 0) {
        Engine::InputManager->CaptureNextKey(false);
        listening_ = -1;
    }
    SelectBack();
    Say(kHowTo);
    UiScreen::Hide(Owner());
    if (Engine::MenuRoot != nullptr) {
        Engine::MenuRoot->OpenMenu("UiMainMenu");
    }
}

// The page opens on "Back", so Enter leaves it as Esc does.
void UiControlsBhv::SelectBack() {
    if (TextMenuBhv* menu = Menu()) {
        const std::vector<GameObject*> rows = menu->Items();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i]->Name == "Back") {
                menu->SelectedIndex = static_cast<int>(i);
            }
        }
    }
}

void UiControlsBhv::Say(const std::string& message) {
    if (GameObject* line = FindChild("Message"); line != nullptr && line->Text() != nullptr) {
        line->Text()->Text = message;
    }
}

void UiControlsBhv::Update() {
    if (GameObject* keys = FindChild("EditorKeys")) {
        keys->DrawEnabled = Engine::EditorRoot != nullptr;
    }
    const TextMenuBhv* menu = Menu();
    if (menu == nullptr) {
        return;
    }
    const std::vector<GameObject*> rows = menu->Items();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ShowRow(*rows[i]);
        if (GameObject* bar = rows[i]->FindChild("Bar")) {
            bar->DrawEnabled = static_cast<int>(i) == menu->SelectedIndex;
            if (TintComponent* tint = bar->Tint()) {
                tint->Tint = listening_ >= 0 ? kListeningBar : kChosenBar;
            }
        }
    }
}

void UiControlsBhv::ShowRow(GameObject& row) const {
    if (row.Name == "Reset") {
        SetText(row, "Label", "Reset to defaults");
    } else if (row.Name == "Back") {
        SetText(row, "Label", "Back");
        SetText(row, "Keys", "Esc");
    } else if (const int action = FindActionCode(row.Name); action >= 0) {
        SetText(row, "Label", Readable(action));
        SetText(row, "Keys", action == listening_ ? "press a key" : KeysText(action));
    }
}
