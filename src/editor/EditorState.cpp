#include "editor/EditorState.h"

#include "core/Behavior.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "core/RemovalNotices.h"
#include "editor/tools/IEdTool.h"
#include "game/UiScreen.h"

#include <algorithm>

namespace {

bool IsOpenTool(const Behavior* behavior) {
    const auto* tool = dynamic_cast<const IEdTool*>(behavior);
    return tool != nullptr && tool->IsOpen();
}

}  // namespace

bool EditorState::IsToolOpen() const {
    return IsOpenTool(ShapeEditor) || IsOpenTool(SpritePicker) || IsOpenTool(CameraMover);
}

EditorState::EditorState()
    : removalListener_(RemovalNotices::Listen([this](GameObject& removed) { ForgetRemoved(removed); })) {}

void EditorState::ForgetRemoved(GameObject& removed) {
    if (SelectedObject == &removed) {
        GameObject* next = nullptr;
        if (GameObject* parent = removed.Parent()) {
            const auto& siblings = parent->Children();
            auto at = std::find(siblings.begin(), siblings.end(), &removed);
            if (at != siblings.end() && at + 1 != siblings.end()) {
                next = *(at + 1);
            }
        }
        SelectedObject = next;
    }
    if (ListRoot == &removed) {
        ListRoot = removed.Parent();
    }
}

EditorState::~EditorState() {
    RemovalNotices::Stop(removalListener_);
    // The reasons are the editor's; a later editor (a test's) starts without them.
    UiScreen::ForgetPauseReason(UiScreen::PauseReason::EditorToggle);
    UiScreen::ForgetPauseReason(UiScreen::PauseReason::EditorTool);
}

void SetEditorPause(bool paused) {
    if (Engine::EditorState != nullptr) {
        Engine::EditorState->PauseGame = paused;
    }
    UiScreen::SetPauseReason(UiScreen::PauseReason::EditorToggle, paused);
}

void ApplyToolPause() {
    const EditorState* state = Engine::EditorState;
    UiScreen::SetPauseReason(UiScreen::PauseReason::EditorTool, state != nullptr && state->IsToolOpen());
}

void CloseEditor() {
    if (Engine::EditorState != nullptr) {
        Engine::EditorState->IsActive = false;
    }
    SetEditorPause(false);
    UiScreen::SetPauseReason(UiScreen::PauseReason::EditorTool, false);
}
