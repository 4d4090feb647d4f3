#include "game/UiOptionsBhv.h"

#include "audio/CueManagerBhv.h"
#include "audio/SoundManager.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "core/KeyCode.h"
#include "game/HudButtonBhv.h"
#include "game/SoundOptions.h"
#include "game/UiMenuRootBhv.h"
#include "game/UiScreen.h"
#include "game/WindowSizes.h"
#include "graphics/Graphics.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/TextComponent.h"
#include "input/InputManager.h"
#include "platform/PlayerSettings.h"
#include "platform/Window.h"

#include <algorithm>

namespace {

VolumeLevels Heard() {
    return Engine::SoundManager != nullptr ? Engine::SoundManager->Levels() : VolumeLevels{};
}

int HeardVolume(UiOptionsBhv::Row row) {
    const VolumeLevels heard = Heard();
    return row == UiOptionsBhv::MasterVolume ? heard.Master : row == UiOptionsBhv::MusicVolume ? heard.Music
                                                                                               : heard.Effects;
}

void SetVolume(UiOptionsBhv::Row row, int percent) {
    SoundOptions::Change([row, percent](PlayerSettings& settings) {
        int& kept = row == UiOptionsBhv::MasterVolume  ? settings.MasterVolume
                    : row == UiOptionsBhv::MusicVolume ? settings.MusicVolume
                                                       : settings.EffectsVolume;
        kept = percent;
    });
}

bool IsVolume(UiOptionsBhv::Row row) {
    return row == UiOptionsBhv::MasterVolume || row == UiOptionsBhv::MusicVolume || row == UiOptionsBhv::EffectsVolume;
}

Window* GameWindow() { return Engine::Graphics != nullptr ? Engine::Graphics->MainWindow.get() : nullptr; }

std::string OnOff(bool on) { return on ? "On" : "Off"; }

void StepWindowSize(int step) {
    Window* window = GameWindow();
    if (window == nullptr) {
        return;
    }
    WindowSizes::Size usable;
    window->UsableArea(usable.Width, usable.Height);
    const WindowSizes::Size size =
        WindowSizes::Step(usable, {window->WindowedWidth(), window->WindowedHeight()}, step);
    Engine::Graphics->SetWindowSize(size.Width, size.Height);
}

}  // namespace

const char* UiOptionsBhv::RowName(Row row) {
    static const char* const names[] = {"MasterVolume", "MusicVolume", "EffectsVolume", "Mute",
                                        "Fullscreen",   "VSync",       "WindowSize",    "Back"};
    return row < RowCount ? names[row] : "";
}

void UiOptionsBhv::Start() { UiScreen::Hide(Owner()); }

void UiOptionsBhv::HandleInput() {
    const InputManager& input = *Engine::InputManager;
    if (input.AreKeysTaken() || !Engine::Graphics->HasFocus) {
        return;
    }
    if (input.IsActionTyped(ActionMoveUp)) {
        Selected = static_cast<Row>((Selected + RowCount - 1) % RowCount);
    }
    if (input.IsActionTyped(ActionMoveDown)) {
        Selected = static_cast<Row>((Selected + 1) % RowCount);
    }
    if (input.IsActionTyped(ActionMoveLeft)) {
        Step(Selected, -1);
    }
    if (input.IsActionTyped(ActionMoveRight)) {
        Step(Selected, +1);
    }
    if (input.IsActionPressed(ActionMenuCancel)) {
        GoBack();
        return;
    }
    if (input.IsActionPressed(ActionMenuConfirm)) {
        Activate(Selected);
        return;
    }
    HandleMouse();
}

// Pointing at a row chooses it; a click (pressed and released over the same arrow
// or row) changes it.
void UiOptionsBhv::HandleMouse() {
    const InputManager& input = *Engine::InputManager;
    int part = 0;
    const Row under = RowAt(part);
    const bool moved = input.Cursor.x != input.PreviousCursor.x || input.Cursor.y != input.PreviousCursor.y;
    if (under != RowCount && moved) {
        Selected = under;
    }
    if (input.IsKeyPressed(KeyLeftMouse)) {
        pressedRow_ = under;
        pressedPart_ = part;
    }
    if (!input.IsKeyDown(KeyLeftMouse)) {
        if (pressedRow_ != RowCount && pressedRow_ == under && pressedPart_ == part) {
            Click(under, part);
        }
        pressedRow_ = RowCount;
    }
}

UiOptionsBhv::Row UiOptionsBhv::RowAt(int& part) const {
    const Vector2 cursor = Engine::InputManager->Cursor;
    for (int i = 0; i < RowCount; ++i) {
        const GameObject* row = FindChild(RowName(static_cast<Row>(i)));
        if (row == nullptr) {
            continue;
        }
        const GameObject* less = row->FindChild("Less");
        const GameObject* more = row->FindChild("More");
        part = less != nullptr && HudButtonBhv::Contains(*less, cursor)   ? -1
               : more != nullptr && HudButtonBhv::Contains(*more, cursor) ? 1
                                                                          : 0;
        if (part != 0 || HudButtonBhv::Contains(*row, cursor)) {
            return static_cast<Row>(i);
        }
    }
    part = 0;
    return RowCount;
}

void UiOptionsBhv::Click(Row row, int part) {
    Selected = row;
    if (part == 0) {
        Activate(row);
    } else {
        Step(row, part);
    }
}

void UiOptionsBhv::Step(Row row, int direction) {
    if (IsVolume(row)) {
        const int percent =
            std::clamp(HeardVolume(row) + direction * PlayerSettings::VolumeStep, 0, PlayerSettings::MaxVolume);
        if (percent != HeardVolume(row)) {
            SetVolume(row, percent);
            PlayCue("ButtonClick");
        }
    } else if (row == WindowSize) {
        StepWindowSize(direction);
        PlayCue("ButtonClick");
    } else if (row != Back) {
        Activate(row);  // a toggle has two values: either way turns it
    }
}

void UiOptionsBhv::Activate(Row row) {
    switch (row) {
        case MasterVolume:
        case MusicVolume:
        case EffectsVolume:
            // Past the loudest back to silence, so Enter alone reaches every level.
            SetVolume(row,
                      HeardVolume(row) >= PlayerSettings::MaxVolume ? 0 : HeardVolume(row) + PlayerSettings::VolumeStep);
            break;
        case Mute:
            SoundOptions::Change([](PlayerSettings& settings) { settings.Mute = !settings.Mute; });
            break;
        case Fullscreen:
            Engine::Graphics->SetFullscreen(!Engine::Graphics->IsFullscreen());
            break;
        case VSync:
            if (GameWindow() == nullptr) {
                return;
            }
            Engine::Graphics->SetVSync(!GameWindow()->IsVSyncWanted());
            break;
        case WindowSize:
            StepWindowSize(+1);
            break;
        default:
            PlayCue("ButtonClick");
            GoBack();
            return;
    }
    PlayCue("ButtonClick");
}

std::string UiOptionsBhv::ValueText(Row row) {
    const Window* window = GameWindow();
    switch (row) {
        case MasterVolume:
        case MusicVolume:
        case EffectsVolume:
            return std::to_string(HeardVolume(row));
        case Mute:
            return OnOff(Heard().Mute);
        case Fullscreen:
            return OnOff(Engine::Graphics != nullptr && Engine::Graphics->IsFullscreen());
        case VSync:
            // The choice is kept where the driver refuses it, and counts on another.
            return window == nullptr         ? "Not offered"
                   : window->IsVSyncOffered() ? OnOff(window->IsVSyncOn())
                                              : OnOff(window->IsVSyncWanted()) + " (not offered)";
        case WindowSize:
            return window != nullptr
                       ? std::to_string(window->WindowedWidth()) + " x " + std::to_string(window->WindowedHeight())
                       : "";
        default:
            return "";
    }
}

void UiOptionsBhv::Update() {
    for (int i = 0; i < RowCount; ++i) {
        const Row row = static_cast<Row>(i);
        GameObject* object = FindChild(RowName(row));
        if (object == nullptr) {
            continue;
        }
        if (GameObject* value = object->FindChild("Value"); value != nullptr && value->Text() != nullptr) {
            value->Text()->Text = ValueText(row);
        }
        GameObject* highlight = FindChild("Highlight");
        if (row == Selected && highlight != nullptr && highlight->Pos2d() != nullptr && object->Pos2d() != nullptr) {
            highlight->Pos2d()->Pos.y = object->Pos2d()->Pos.y;
        }
    }
}

void UiOptionsBhv::GoBack() {
    UiScreen::Hide(Owner());
    if (Engine::MenuRoot != nullptr) {
        Engine::MenuRoot->OpenMenu("UiMainMenu");
    }
}
