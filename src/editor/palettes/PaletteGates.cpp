#include "editor/palettes/PaletteGates.h"

#include "core/Component.h"
#include "core/Engine.h"
#include "editor/EditorState.h"
#include "editor/widgets/IEdKeyboardHolder.h"
#include "input/InputManager.h"

namespace {

bool AnyHoldsKeyboard(const GameObject& object) {
    for (Component* component : object.Components()) {
        if (auto* holder = dynamic_cast<IEdKeyboardHolder*>(component); holder != nullptr && holder->HoldsKeyboard()) {
            return true;
        }
    }
    for (const GameObject* child : object.Children()) {
        if (AnyHoldsKeyboard(*child)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool PaletteTakesKeys(const GameObject& palette) {
    const EditorState* state = Engine::EditorState;
    // The capture flag is refreshed once a frame; a field of this palette that
    // started editing in this very frame is caught by asking it directly.
    return state != nullptr && Engine::InputManager != nullptr && state->IsActive && !state->IsKeyboardCaptured &&
           palette.DrawEnabled && !AnyHoldsKeyboard(palette);
}

bool IsKeyHeld(int code) {
    return Engine::InputManager != nullptr && Engine::InputManager->IsKeyDown(code);
}

bool IsKeyJustPressed(int code) {
    return Engine::InputManager != nullptr && Engine::InputManager->IsKeyPressed(code);
}
