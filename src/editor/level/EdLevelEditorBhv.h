#pragma once

#include "core/Behavior.h"
#include "core/Vector2.h"
#include "editor/level/LevelSelection.h"
#include "editor/level/LevelSession.h"
#include "editor/level/Placement.h"
#include "editor/undo/ObjectSlot.h"

#include <string>
#include <vector>

class EditCommand;
class Prefab;

// Edits the current level in place with the mouse and keys (see docs/editor.md):
// select, grab, rotate, box select, nudge, place, duplicate, delete, undo and redo,
// save, switch levels and close for a play-test. Every change goes onto the editor's
// history and marks the level modified. The palettes follow each change of the
// selection (FollowSelectionInPalettes). Shows one "EdSelectionIndicator" over each
// selected object (and the selection box) under its child "SelectionRoot".
class EdLevelEditorBhv : public Behavior {
public:
    enum Mode : int { Idle = 0, Grab = 1, Rotate = 2, BoxArmed = 4, BoxDragging = 5 };
    // Longer than this without an input pass (the editor closed) empties the selection.
    static constexpr float SelectionTimeout = 0.5f;

    void Start() override;
    void Update() override;
    void HandleInput() override;

    void OpenWorkingCopy();
    // Asks "Save changes?" first when the level has unsaved changes.
    void SwitchLevel(int offset);
    // Empties the selection and the history: the objects of the old level are gone.
    void SwitchLevelNow(int offset, bool dropChanges);
    bool SaveLevelAs(const std::string& name) { return Session.SaveLevelAs(name); }
    std::vector<std::string> ListLevels() const { return Session.ListLevels(); }
    void Undo();
    void Redo();

    // The selected objects still in the level.
    const std::vector<GameObject*>& Selected();

    LevelSelection Selection;
    LevelSession Session;
    int CurrentMode = Idle;
    Vector2 Pivot;
    Vector2 BoxStart;
    Vector2 BoxEnd;
    float LastInputTime = -1.0f;

private:
    void HandleGrab(Vector2 mouse);
    void HandleRotate(Vector2 mouse);
    void HandleBox(Vector2 mouse);
    void HandleIdle(Vector2 mouse);
    void HandleIdleEdits(Vector2 mouse);
    void HandleIdleCommands();
    // A: every level object not wholly on locked layers.
    void SelectAllUnlocked();

    bool TurnRefused();
    void BeginMove(int mode, Vector2 mouse);
    void EndMove();
    void CancelMove();
    // Esc cancels a grab or rotation, a click or Enter ends it; true when either did.
    bool EndedMoveByKey();
    bool EndPressed() const;
    void Nudge();
    void CycleSource(int step);
    void Place(Vector2 mouse);
    void Pick(Vector2 mouse);
    void Duplicate(Vector2 mouse);
    void DeleteSelected();
    void CloseForPlayTest();
    void Push(std::unique_ptr<EditCommand> command);
    void SelectTouched(const EditCommand* command);

    void ShowIndicators();
    void FollowLevelRename();
    void FollowSelectionInPalettes();

    GameObject* selectionRoot_ = nullptr;
    std::vector<ObjectRef> moving_;
    std::vector<Placement> startPlacements_;
    std::vector<Vector2> startPositions_;
    Vector2 moveStartMouse_;
    Vector2 previousMouse_;
    const Prefab* levelPrefab_ = nullptr;
    std::string levelPrefabName_;
    unsigned followedChanges_ = 0;
};
