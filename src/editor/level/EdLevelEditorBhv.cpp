#include "editor/level/EdLevelEditorBhv.h"

#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "editor/EditorMessage.h"
#include "editor/EditorSlot.h"
#include "editor/EditorState.h"
#include "editor/dialogs/EdDlgMessageBoxBhv.h"
#include "editor/level/CurrentLevel.h"
#include "editor/level/LevelKeeping.h"
#include "editor/level/LevelPicking.h"
#include "editor/undo/ExistenceCommand.h"
#include "editor/undo/PlacementCommand.h"
#include "game/GameplayScreenBhv.h"
#include "graphics/Camera2d.h"
#include "graphics/Graphics.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/SpriteComponent.h"
#include "input/InputManager.h"
#include "prefabs/PrefabManager.h"

#include <algorithm>
#include <cmath>

namespace {

const InputManager& Input() { return *Engine::InputManager; }
bool Down(int key) { return Input().IsKeyDown(key); }
bool Pressed(int key) { return Input().IsKeyPressed(key); }
bool Typed(int key) { return Input().IsKeyTyped(key); }
bool ShiftDown() { return Down(KeyShift) || Down(KeyRightShift); }
bool OverEditor() { return Engine::EditorState->IsPointerOverEditor; }
unsigned LockedLayers() { return Engine::EditorState->LockedLayers; }

const Prefab* SourcesPrefab() {
    return Engine::Prefabs != nullptr ? Engine::Prefabs->Find(LevelSession::Sources) : nullptr;
}

// Screen pixels (x right, y down) as a world offset through the world camera.
Vector2 ScreenOffsetToWorld(Vector2 pixels) {
    if (Engine::Graphics == nullptr) {
        return pixels;
    }
    const Camera2d& camera = Engine::Graphics->WorldCamera;
    return ScreenToWorld(camera, pixels) - ScreenToWorld(camera, Vector2());
}

std::size_t IndexIn(const GameObject& level, const GameObject* object) {
    const auto& children = level.Children();
    return static_cast<std::size_t>(std::find(children.begin(), children.end(), object) - children.begin());
}

Vector2 Turned(Vector2 v, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    return Vector2(v.x * c - v.y * s, v.x * s + v.y * c);
}

}  // namespace

void EdLevelEditorBhv::Start() {
    selectionRoot_ = new GameObject();
    selectionRoot_->Name = "SelectionRoot";
    Owner()->AddChild(selectionRoot_);
    Session.RecordFileTimes();
}

const std::vector<GameObject*>& EdLevelEditorBhv::Selected() {
    return Selection.Objects(CurrentLevel());
}

void EdLevelEditorBhv::HandleInput() {
    const float now = Engine::FrameTime != nullptr ? Engine::FrameTime->TotalSeconds : 0.0f;
    if (now - LastInputTime > SelectionTimeout) {
        Selection.Clear();
    }
    LastInputTime = now;
    if (CurrentLevel() == nullptr || Engine::InputManager == nullptr || Engine::EditorState->IsKeyboardCaptured) {
        return;
    }
    const Vector2 mouse = Input().CursorInWorld();
    switch (CurrentMode) {
        case Grab: HandleGrab(mouse); break;
        case Rotate: HandleRotate(mouse); break;
        case BoxArmed:
        case BoxDragging: HandleBox(mouse); break;
        default: HandleIdle(mouse); break;
    }
    previousMouse_ = mouse;
}

bool EdLevelEditorBhv::EndPressed() const {
    const bool click = !OverEditor() && (Pressed(KeyLeftMouse) || Pressed(KeyRightMouse));
    return click || Pressed(KeyOemEnter);
}

void EdLevelEditorBhv::BeginMove(int mode, Vector2 mouse) {
    moving_.clear();
    startPlacements_.clear();
    startPositions_.clear();
    Pivot = Vector2();
    for (GameObject* object : Selected()) {
        moving_.push_back(Engine::EditorState->History.SlotFor(object));
        startPlacements_.push_back(Placement::Of(*object));
        startPositions_.push_back(object->GetPosition());
        Pivot += object->GetPosition();
    }
    if (!startPositions_.empty()) {
        Pivot = Pivot * (1.0f / static_cast<float>(startPositions_.size()));
    }
    moveStartMouse_ = mouse;
    previousMouse_ = mouse;
    CurrentMode = mode;
}

// A rotation the level would not keep (LevelKeeping) is refused for the selection.
bool EdLevelEditorBhv::TurnRefused() {
    for (const GameObject* object : Selected()) {
        if (const std::string refusal = LevelKeeping::RefusalToTurn(*object); !refusal.empty()) {
            TellUser(refusal);
            return true;
        }
    }
    return false;
}

void EdLevelEditorBhv::CancelMove() {
    for (std::size_t i = 0; i < moving_.size(); ++i) {
        if (GameObject* object = moving_[i]->Object.Get()) {
            startPlacements_[i].ApplyTo(*object);
        }
    }
    moving_.clear();
    CurrentMode = Idle;
}

void EdLevelEditorBhv::EndMove() {
    std::vector<PlacementCommand::Move> moves;
    for (std::size_t i = 0; i < moving_.size(); ++i) {
        if (GameObject* object = moving_[i]->Object.Get()) {
            moves.push_back({moving_[i], startPlacements_[i], Placement::Of(*object)});
        }
    }
    Push(std::make_unique<PlacementCommand>(std::move(moves)));
    moving_.clear();
    CurrentMode = Idle;
}

bool EdLevelEditorBhv::EndedMoveByKey() {
    if (Pressed(KeyEsc)) {
        CancelMove();
        return true;
    }
    if (EndPressed()) {
        EndMove();
        return true;
    }
    return false;
}

// The objects follow the mouse from where they stood when the grab began.
void EdLevelEditorBhv::HandleGrab(Vector2 mouse) {
    if (EndedMoveByKey()) {
        return;
    }
    const Vector2 offset = mouse - moveStartMouse_;
    for (std::size_t i = 0; i < moving_.size(); ++i) {
        if (GameObject* object = moving_[i]->Object.Get()) {
            object->SetPosition(startPositions_[i] + offset);
        }
    }
}

void EdLevelEditorBhv::HandleRotate(Vector2 mouse) {
    if (EndedMoveByKey()) {
        return;
    }
    const Vector2 now = mouse - Pivot;
    const Vector2 before = previousMouse_ - Pivot;
    const float angle = std::atan2(now.y, now.x) - std::atan2(before.y, before.x);
    if (angle == 0.0f || !std::isfinite(angle)) {
        return;
    }
    for (const ObjectRef& slot : moving_) {
        if (GameObject* object = slot->Object.Get()) {
            object->SetRotation(object->GetRotation() + angle);
            object->SetPosition(Pivot + Turned(object->GetPosition() - Pivot, angle));
        }
    }
}

void EdLevelEditorBhv::HandleBox(Vector2 mouse) {
    if (Pressed(KeyEsc)) {
        CurrentMode = Idle;
        return;
    }
    if (CurrentMode == BoxArmed) {
        if (EndPressed()) {
            BoxStart = BoxEnd = mouse;
            CurrentMode = BoxDragging;
        }
        return;
    }
    BoxEnd = mouse;
    if (!Down(KeyLeftMouse) && !Down(KeyRightMouse) && !Down(KeyOemEnter)) {
        for (GameObject* object : LevelPicking::InBox(*CurrentLevel(), BoxStart, BoxEnd, LockedLayers())) {
            Selection.Add(object);
        }
        CurrentMode = Idle;
    }
}

void EdLevelEditorBhv::HandleIdle(Vector2 mouse) {
    const bool ctrl = Down(KeyCtrl);
    const bool selected = !Selected().empty();
    if (Pressed(KeyG) && !ctrl && selected) {
        BeginMove(Grab, mouse);
        return;
    }
    if (Pressed(KeyR) && !ctrl && selected) {
        if (TurnRefused()) return;
        BeginMove(Rotate, mouse);
        return;
    }
    if (Pressed(KeyB) && !ctrl) {
        CurrentMode = BoxArmed;
        return;
    }
    Nudge();
    if (!ctrl) {
        if (Typed(KeyLeftBracket)) CycleSource(-1);
        if (Typed(KeyRightBracket)) CycleSource(+1);
    }
    HandleIdleEdits(mouse);
    HandleIdleCommands();
}

void EdLevelEditorBhv::HandleIdleEdits(Vector2 mouse) {
    const bool ctrl = Down(KeyCtrl);
    if (Pressed(KeyLeftMouse) && !OverEditor() && !ctrl) {
        Place(mouse);
    }
    if (Pressed(KeyRightMouse) && !OverEditor()) {
        Pick(mouse);
    }
    if (ShiftDown() && Pressed(KeyD) && !ctrl && !Selected().empty()) {
        Duplicate(mouse);
        return;
    }
    if ((Pressed(KeyDelete) || Pressed(KeyX)) && !ctrl) {
        DeleteSelected();
    }
    if (Pressed(KeyA) && !ctrl) {
        if (Selected().empty()) {
            SelectAllUnlocked();
        } else {
            Selection.Clear();
        }
    }
}

void EdLevelEditorBhv::SelectAllUnlocked() {
    std::vector<GameObject*> unlocked;
    for (GameObject* object : CurrentLevel()->Children()) {
        if (!LevelPicking::IsLocked(*object, LockedLayers())) {
            unlocked.push_back(object);
        }
    }
    Selection.Set(unlocked);
}

void EdLevelEditorBhv::HandleIdleCommands() {
    if (Down(KeyCtrl)) {
        if (Pressed(KeyLeftBracket)) SwitchLevel(-1);
        if (Pressed(KeyRightBracket)) SwitchLevel(+1);
        if (Pressed(KeyZ) && !ShiftDown()) Undo();
        if (Pressed(KeyY) || (Pressed(KeyZ) && ShiftDown())) Redo();
    }
    if (Down(KeyAlt) && Pressed(KeyS)) {
        if (Session.HasUnsavedLevel()) {
            Session.SaveCurrent();
        } else {
            TellUser("Nothing to save");
        }
    }
    if (Pressed(KeyF1)) {
        CloseForPlayTest();
    }
}

// One screen pixel a press or repeat, ten with Shift.
void EdLevelEditorBhv::Nudge() {
    Vector2 pixels;
    pixels.x -= Typed(KeyLeft) ? 1.0f : 0.0f;
    pixels.x += Typed(KeyRight) ? 1.0f : 0.0f;
    pixels.y -= Typed(KeyUp) ? 1.0f : 0.0f;
    pixels.y += Typed(KeyDown) ? 1.0f : 0.0f;
    if ((pixels.x == 0.0f && pixels.y == 0.0f) || Selected().empty()) {
        return;
    }
    const Vector2 offset = ScreenOffsetToWorld(pixels * (ShiftDown() ? 10.0f : 1.0f));
    std::vector<PlacementCommand::Move> moves;
    for (GameObject* object : Selected()) {
        const Placement before = Placement::Of(*object);
        object->SetPosition(object->GetPosition() + offset);
        moves.push_back({Engine::EditorState->History.SlotFor(object), before, Placement::Of(*object)});
    }
    Push(std::make_unique<PlacementCommand>(std::move(moves)));
}

void EdLevelEditorBhv::CycleSource(int step) {
    const Prefab* sources = SourcesPrefab();
    if (sources == nullptr || sources->AutoCreates.empty()) {
        return;
    }
    EditorState& state = *Engine::EditorState;
    const auto& entries = sources->AutoCreates;
    const auto at = std::find_if(entries.begin(), entries.end(),
                                 [&](const auto& entry) { return entry->PrefabName == state.SelectedPrefabName; });
    const int count = static_cast<int>(entries.size());
    int index = 0;
    if (at != entries.end()) {
        index = (static_cast<int>(at - entries.begin()) + step + count) % count;
    }
    state.SelectedPrefabName = entries[static_cast<std::size_t>(index)]->PrefabName;
    if (state.SelectedPrefab != nullptr) {
        state.SelectedPrefab = Engine::Prefabs->Find(state.SelectedPrefabName);
    }
}

void EdLevelEditorBhv::Place(Vector2 mouse) {
    const std::string& name = Engine::EditorState->SelectedPrefabName;
    GameObject* level = CurrentLevel();
    if (level == nullptr) {
        return;
    }
    if (FindSourceEntry(SourcesPrefab(), name) == nullptr) {
        TellUser(name.empty() ? "Choose what a click places with [ or ]"
                              : "Cannot place " + name + ": Lvl_Sources does not list it (choose with [ or ])");
        return;
    }
    auto* object = new GameObject(name);
    object->SetPosition(mouse);
    level->AddChild(object);
    Selection.Set({object});
    std::vector<ExistenceCommand::Entry> entries;
    entries.push_back({Engine::EditorState->History.SlotFor(object),
                       LevelObjectRecord::Capture(*object, IndexIn(*level, object), SourcesPrefab())});
    Push(std::make_unique<ExistenceCommand>(ExistenceCommand::Kind::Created, std::move(entries)));
}

void EdLevelEditorBhv::Pick(Vector2 mouse) {
    GameObject* hit = LevelPicking::PickAt(*CurrentLevel(), mouse, LockedLayers());
    if (ShiftDown()) {
        if (hit != nullptr) {
            Selection.Toggle(hit);
        }
    } else if (hit != nullptr) {
        Selection.Set({hit});
    } else {
        Selection.Clear();
    }
}

// The copies keep every stored value of their originals and follow the mouse.
void EdLevelEditorBhv::Duplicate(Vector2 mouse) {
    GameObject& level = *CurrentLevel();
    std::vector<GameObject*> copies;
    std::vector<ExistenceCommand::Entry> entries;
    for (GameObject* original : Selected()) {
        LevelObjectRecord record = LevelObjectRecord::Capture(*original, level.Children().size(), SourcesPrefab());
        GameObject* copy = record.Restore(level);
        copies.push_back(copy);
        entries.push_back({Engine::EditorState->History.SlotFor(copy), std::move(record)});
    }
    Selection.Set(copies);
    Push(std::make_unique<ExistenceCommand>(ExistenceCommand::Kind::Created, std::move(entries)));
    BeginMove(Grab, mouse);
}

void EdLevelEditorBhv::DeleteSelected() {
    GameObject& level = *CurrentLevel();
    std::vector<GameObject*> doomed = Selected();
    if (doomed.empty()) {
        return;
    }
    std::sort(doomed.begin(), doomed.end(),
              [&](GameObject* a, GameObject* b) { return IndexIn(level, a) < IndexIn(level, b); });
    std::vector<ExistenceCommand::Entry> entries;
    for (GameObject* object : doomed) {
        entries.push_back({Engine::EditorState->History.SlotFor(object),
                           LevelObjectRecord::Capture(*object, IndexIn(level, object), SourcesPrefab())});
    }
    auto command = std::make_unique<ExistenceCommand>(ExistenceCommand::Kind::Deleted, std::move(entries));
    command->Redo();
    Push(std::move(command));
    Selection.Clear();
}

void EdLevelEditorBhv::Push(std::unique_ptr<EditCommand> command) {
    Engine::EditorState->History.Push(std::move(command));
    MarkLevelModified();
}

void EdLevelEditorBhv::SelectTouched(const EditCommand* command) {
    if (command == nullptr) {
        return;
    }
    Selection.Set(command->Touched());
    MarkLevelModified();
}

void EdLevelEditorBhv::Undo() {
    SelectTouched(Engine::EditorState->History.Undo());
}

void EdLevelEditorBhv::Redo() {
    SelectTouched(Engine::EditorState->History.Redo());
}

void EdLevelEditorBhv::OpenWorkingCopy() {
    const GameObject* before = CurrentLevel();
    Session.OpenWorkingCopy();
    GameObject* level = CurrentLevel();
    if (level != nullptr && level != before) {
        Engine::EditorState->History.Rebind(*level);
    }
    EditorState& state = *Engine::EditorState;
    if (state.SelectedObject != nullptr) {
        state.SelectedObject = nullptr;  // what it was is gone with the level it was in
        state.ListRoot = Engine::GameplayRoot;
    }
    Selection.Clear();
}

// Unsaved changes are asked about first: Yes saves and switches, No drops them and
// switches, Cancel stays. Without the message box the switch is refused with a message.
void EdLevelEditorBhv::SwitchLevel(int offset) {
    auto* box = InSlot<EdDlgMessageBoxBhv>(&EditorState::MessageBox);
    if (Session.HasUnsavedLevel() && box != nullptr) {
        box->Open(
            "Save changes?", {"Yes", "No", "Cancel"},
            [this, offset](const std::string& answer) {
                if (answer == "Yes" && Session.SaveCurrent()) {
                    SwitchLevelNow(offset, false);
                } else if (answer == "No") {
                    SwitchLevelNow(offset, true);
                }
            },
            {Session.OwnName()});
        return;
    }
    SwitchLevelNow(offset, false);
}

void EdLevelEditorBhv::SwitchLevelNow(int offset, bool dropChanges) {
    if (!Session.SwitchLevel(offset, dropChanges)) {
        return;
    }
    Selection.Clear();
    EditorState& state = *Engine::EditorState;
    state.History.Clear();
    if (Engine::GameplayScreen != nullptr) {
        state.ListRoot = Engine::GameplayScreen->Owner();
    }
}

void EdLevelEditorBhv::CloseForPlayTest() {
    GameObject* level = CurrentLevel();
    if (level == nullptr) {
        return;
    }
    Engine::EditorState->History.RememberIndices(*level);
    if (!Session.CloseForPlayTest()) {
        return;
    }
    Engine::EditorState->PalettesShown = true;
    CloseEditor();
}

void EdLevelEditorBhv::Update() {
    FollowLevelRename();
    FollowSelectionInPalettes();
    ShowIndicators();
}

// However the selection changed (a pick, a placement, a duplicate, an undo, a switch of
// level), the edit palette shows the one object selected, and the object list lists
// it; with none or several it shows no level object (LevelSelectionCount says which).
void EdLevelEditorBhv::FollowSelectionInPalettes() {
    const std::vector<GameObject*> selected = Selected();
    if (Selection.Changes() == followedChanges_) {
        return;
    }
    followedChanges_ = Selection.Changes();
    EditorState& state = *Engine::EditorState;
    state.LevelSelectionCount = selected.size();
    if (selected.size() == 1) {
        state.SelectedObject = selected.front();
        state.ListRoot = selected.front()->Parent();
        state.SelectedPrefab = nullptr;
        state.SelectedAutoCreate = nullptr;
    } else if (state.SelectedObject != nullptr && state.SelectedObject->Parent() == CurrentLevel()) {
        state.SelectedObject = nullptr;
    }
}

// A level prefab renamed in the editor (object list, edit palette) keeps being the
// level saved to.
void EdLevelEditorBhv::FollowLevelRename() {
    const GameObject* level = CurrentLevel();
    if (level == nullptr || Engine::Prefabs == nullptr) {
        return;
    }
    const std::string& own = Session.OwnName();
    const auto& prefabs = Engine::Prefabs->Prefabs();
    const bool stillThere = std::any_of(prefabs.begin(), prefabs.end(),
                                        [this](const auto& entry) { return entry.second.get() == levelPrefab_; });
    if (stillThere && levelPrefab_->Name != levelPrefabName_) {
        Session.FollowRename(levelPrefabName_, levelPrefab_->Name);
    } else if (!stillThere || levelPrefabName_ != own) {
        levelPrefab_ = Engine::Prefabs->Find(own);
    }
    levelPrefabName_ = levelPrefab_ != nullptr ? levelPrefab_->Name : "";
}

void EdLevelEditorBhv::ShowIndicators() {
    if (CurrentLevel() == nullptr) {
        Selection.Clear();
    }
    const std::vector<GameObject*> selected = Selected();
    while (selectionRoot_->Children().size() < selected.size() + 1) {
        selectionRoot_->AddChild(new GameObject("EdSelectionIndicator"));
    }
    const auto& indicators = selectionRoot_->Children();
    for (std::size_t i = 0; i < indicators.size(); ++i) {
        GameObject* indicator = indicators[i];
        indicator->DrawEnabled = i < selected.size();
        if (!indicator->DrawEnabled || indicator->Sprite() == nullptr) {
            continue;
        }
        const SpriteComponent* sprite = selected[i]->Sprite();
        indicator->Sprite()->Size = sprite != nullptr ? sprite->Size : Vector2(1.0f, 1.0f);
        indicator->Sprite()->Origin = sprite != nullptr ? sprite->Origin : Vector2();
        indicator->SetPosition(selected[i]->GetPosition());
        indicator->SetRotation(selected[i]->GetRotation());
    }
    if (CurrentMode == BoxDragging) {
        GameObject* box = indicators.back();
        box->DrawEnabled = true;
        box->SetPosition((BoxStart + BoxEnd) * 0.5f);
        box->SetRotation(0.0f);
        if (box->Sprite() != nullptr) {
            box->Sprite()->Size = Vector2(std::fabs(BoxEnd.x - BoxStart.x), std::fabs(BoxEnd.y - BoxStart.y));
            box->Sprite()->Origin = Vector2();
        }
    }
}
