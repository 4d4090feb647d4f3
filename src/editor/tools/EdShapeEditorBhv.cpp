#include "editor/tools/EdShapeEditorBhv.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "editor/EditorMessage.h"
#include "editor/EditorSlot.h"
#include "editor/EditorState.h"
#include "editor/tools/EdCameraMoverBhv.h"
#include "editor/tools/EdSpritePickerBhv.h"
#include "editor/undo/ShapeEditCommand.h"
#include "game/UiScreen.h"
#include "graphics/Graphics.h"
#include "input/InputManager.h"
#include "physics/B2DebugDrawer.h"
#include "physics/B2FixtureComponent.h"
#include "physics/ShapeText.h"

#include <cmath>
#include <memory>

namespace {

bool Pressed(int key) { return Engine::InputManager->IsKeyPressed(key); }

Vector2 Turned(Vector2 v, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    return Vector2(v.x * c - v.y * s, v.x * s + v.y * c);
}

}  // namespace

EdShapeEditorBhv::~EdShapeEditorBhv() {
    LeaveSlot(&EditorState::ShapeEditor, this);
}

void EdShapeEditorBhv::Start() {
    EnterSlot(&EditorState::ShapeEditor, this);
    if (!isOpen_) {
        Owner()->SetShown(false);
    }
}

EdCameraMoverBhv* EdShapeEditorBhv::Mover() const { return Owner()->GetComponent<EdCameraMoverBhv>(); }

void EdShapeEditorBhv::Edit(B2FixtureComponent& fixture) {
    const std::string text = fixture.GetShapeText();
    if (fixture.Owner() == nullptr || ShapeHandles::FromText(text).ShapeKind == ShapeHandles::Kind::None) {
        TellUser("The shape editor edits boxes, polygons and circles of placed objects only");
        return;
    }
    CloseOtherTools();
    target_.Reset(&fixture);
    ShapeAtOpening = text;
    BodyPosition = fixture.Owner()->GetPosition();
    BodyAngle = fixture.Owner()->GetRotation();
    isOpen_ = true;
    Owner()->SetShown(true);
    Engine::EditorState->IsSpritePicking = true;
    if (Engine::Graphics != nullptr) {
        savedShowPhysics_ = Engine::Graphics->ShowPhysics;
        Engine::Graphics->ShowPhysics = true;
    }
    if (EdCameraMoverBhv* mover = Mover()) {
        mover->Open();
    }
    SelectedPoint = -1;
    IsDragging = false;
    ApplyToolPause();
}

// One tool at a time: two camera movers closed out of order would leave the world
// camera where the later one found it.
void EdShapeEditorBhv::CloseOtherTools() {
    if (isOpen_) {
        Finish(true);
    }
    const EditorState& state = *Engine::EditorState;
    if (auto* mover = dynamic_cast<EdCameraMoverBhv*>(state.CameraMover)) {
        mover->Close();
    }
    if (auto* picker = dynamic_cast<EdSpritePickerBhv*>(state.SpritePicker); picker != nullptr && picker->IsOpen()) {
        picker->Close();
    }
}

void EdShapeEditorBhv::Finish(bool keep) {
    B2FixtureComponent* fixture = target_.Get();
    if (fixture != nullptr && !keep) {
        fixture->SetShapeText(ShapeAtOpening);
    }
    if (fixture != nullptr && keep && fixture->GetShapeText() != ShapeAtOpening) {
        EditHistory& history = Engine::EditorState->History;
        history.Push(std::make_unique<ShapeEditCommand>(history, *fixture, ShapeAtOpening, fixture->GetShapeText()));
    }
    Close();
}

void EdShapeEditorBhv::Close() {
    isOpen_ = false;
    target_.Reset();
    ShapeAtOpening.clear();
    Owner()->SetShown(false);
    if (Engine::DebugDrawer != nullptr) {
        Engine::DebugDrawer->EditPoints.clear();
        Engine::DebugDrawer->SelectedEditPoint = -1;
    }
    SelectedPoint = -1;
    IsDragging = false;
    Engine::EditorState->IsSpritePicking = false;
    if (EdCameraMoverBhv* mover = Mover()) {
        mover->Close();
    }
    if (Engine::Graphics != nullptr) {
        Engine::Graphics->ShowPhysics = savedShowPhysics_;
    }
    ApplyToolPause();
}

void EdShapeEditorBhv::HandleInput() {
    if (!isOpen_ || Engine::InputManager == nullptr) {
        return;
    }
    if (target_.Get() == nullptr) {  // the object went: nothing to restore
        Close();
        return;
    }
    if (HandleEndKeys()) {
        return;
    }
    const bool wasDragging = IsDragging;
    IsDragging = Engine::InputManager->IsKeyDown(KeyLeftMouse) && SelectedPoint >= 0;
    if (!IsDragging || !wasDragging) {
        ReadHandles();
    }
    const Vector2 mouse = Engine::InputManager->CursorInWorld();
    FollowMouse(mouse);
    if (EditPoints(mouse) || IsDragging) {
        WriteIfValid();
    }
    ShowPoints();
}

// Closing the editor (F11) drops the edit as Esc does.
bool EdShapeEditorBhv::HandleEndKeys() {
    if (Pressed(KeyEsc) || !Engine::EditorState->IsActive) {
        Finish(false);
        return true;
    }
    if (Pressed(KeyOemEnter)) {
        Finish(true);
        return true;
    }
    return false;
}

// The fixture's text is the truth between drags; during one the handles live here.
void EdShapeEditorBhv::ReadHandles() {
    handles_ = ShapeHandles::FromText(target_->GetShapeText());
    if (SelectedPoint >= static_cast<int>(handles_.Points.size())) {
        SelectedPoint = -1;
    }
}

void EdShapeEditorBhv::FollowMouse(Vector2 mouse) {
    if (IsDragging) {
        handles_.Points[static_cast<std::size_t>(SelectedPoint)] = ToBody(mouse);
        return;
    }
    float nearest = INFINITY;
    SelectedPoint = -1;
    for (std::size_t i = 0; i < handles_.Points.size(); ++i) {
        const Vector2 d = ToWorld(handles_.Points[i]) - mouse;
        if (const float distance = d.x * d.x + d.y * d.y; distance < nearest) {
            nearest = distance;
            SelectedPoint = static_cast<int>(i);
        }
    }
}

bool EdShapeEditorBhv::EditPoints(Vector2 mouse) {
    if (SelectedPoint < 0) {
        return false;
    }
    const auto selected = static_cast<std::size_t>(SelectedPoint);
    if (Pressed(KeyInsert)) {
        return handles_.InsertAfter(selected, ToBody(mouse));
    }
    if (Pressed(KeyDelete) && handles_.Erase(selected)) {
        SelectedPoint = -1;
        return true;
    }
    return false;
}

void EdShapeEditorBhv::WriteIfValid() {
    const std::string text = handles_.ToText();
    if (text != target_->GetShapeText() && ShapeText::Parse(text).Shape != nullptr) {
        target_->SetShapeText(text);
    }
}

void EdShapeEditorBhv::ShowPoints() const {
    B2DebugDrawer* drawer = Engine::DebugDrawer;
    if (drawer == nullptr) {
        return;
    }
    drawer->EditPoints.clear();
    for (Vector2 p : handles_.Points) {
        drawer->EditPoints.push_back(ToWorld(p));
    }
    drawer->SelectedEditPoint = SelectedPoint;
}

Vector2 EdShapeEditorBhv::ToWorld(Vector2 body) const { return Turned(body, BodyAngle) + BodyPosition; }
Vector2 EdShapeEditorBhv::ToBody(Vector2 world) const { return Turned(world - BodyPosition, -BodyAngle); }
