#include "editor/tools/EdCameraMoverBhv.h"

#include "core/Engine.h"
#include "editor/EditorSlot.h"
#include "editor/EditorState.h"
#include "game/UiScreen.h"
#include "graphics/Graphics.h"
#include "input/InputManager.h"

#include <algorithm>
#include <cmath>

namespace {

bool Typed(int key) { return Engine::InputManager->IsKeyTyped(key); }
bool Pressed(int key) { return Engine::InputManager->IsKeyPressed(key); }

}  // namespace

EdCameraMoverBhv::EdCameraMoverBhv() {
    AddProperty("MoveIncrement", MoveIncrement);
    AddProperty("ZoomFactor", ZoomFactor);
    AddProperty("IsStandalone", IsStandalone);
}

EdCameraMoverBhv::~EdCameraMoverBhv() {
    LeaveSlot(&EditorState::CameraMover, this);
}

void EdCameraMoverBhv::Start() {
    if (IsStandalone) {
        EnterSlot(&EditorState::CameraMover, this);
    }
}

void EdCameraMoverBhv::Open() {
    if (IsActive || Engine::Graphics == nullptr) {
        return;
    }
    IsActive = true;
    SavedCamera = Engine::Graphics->WorldCamera;
    WorkCamera = SavedCamera;
    ApplyToolPause();
}

void EdCameraMoverBhv::Close() {
    if (!IsActive) {
        return;
    }
    IsActive = false;
    if (Engine::Graphics != nullptr) {
        Engine::Graphics->WorldCamera = SavedCamera;
    }
    ApplyToolPause();
}

void EdCameraMoverBhv::HandleInput() {
    if (Engine::InputManager == nullptr || Engine::EditorState == nullptr) {
        return;
    }
    if (IsStandalone) {
        HandleStandaloneKeys();
    }
    if (IsActive) {
        Move();
        if (Typed(KeyEquals)) Zoom(1.0f / ZoomFactor);
        if (Typed(KeyOemMinus)) Zoom(ZoomFactor);
    }
}

// Closing the editor (F11) closes the mover too; it opens only over an open editor
// with no other tool open.
void EdCameraMoverBhv::HandleStandaloneKeys() {
    const EditorState& state = *Engine::EditorState;
    if (IsActive && (Pressed(KeyEsc) || !state.IsActive)) {
        Close();
    } else if (!IsActive && state.IsActive && !state.IsToolOpen() && !state.IsKeyboardCaptured &&
               Engine::InputManager->IsKeyDown(KeyCtrl) && Pressed(KeyF)) {
        Open();
    }
}

void EdCameraMoverBhv::Move() {
    Vector2& at = WorkCamera.Position;
    at.y += Typed(KeyW) ? MoveIncrement : 0.0f;
    at.y -= Typed(KeyS) ? MoveIncrement : 0.0f;
    at.x += Typed(KeyD) ? MoveIncrement : 0.0f;
    at.x -= Typed(KeyA) ? MoveIncrement : 0.0f;
}

// A step that would leave the allowed view size is not taken.
void EdCameraMoverBhv::Zoom(float factor) {
    if (!(factor > 0.0f) || !std::isfinite(factor)) {
        return;
    }
    const Vector2 next = WorkCamera.Size * factor;
    const float smallest = std::min(std::fabs(next.x), std::fabs(next.y));
    const float largest = std::max(std::fabs(next.x), std::fabs(next.y));
    if (smallest >= MinViewSize && largest <= MaxViewSize) {
        WorkCamera.Size = next;
    }
}

void EdCameraMoverBhv::Update() {
    if (IsActive && Engine::Graphics != nullptr) {
        Camera2d& camera = Engine::Graphics->WorldCamera;
        camera.Position = WorkCamera.Position;
        camera.Size = WorkCamera.Size;
        camera.Viewport = WorkCamera.Viewport;
    }
}
