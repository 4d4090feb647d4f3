#pragma once

#include "core/DrawLayer.h"
#include "editor/MessageHistory.h"
#include "editor/undo/EditHistory.h"

#include <cstddef>
#include <string>

class AutoCreate;
class Behavior;
class GameObject;
class Prefab;

// The record through which the editor's pieces find each other and the selection.
// It listens to object removals (RemovalNotices) to keep its two object references
// valid.
class EditorState {
public:
    EditorState();
    virtual ~EditorState();
    EditorState(const EditorState&) = delete;
    EditorState& operator=(const EditorState&) = delete;

    // The object whose properties the edit palette shows; on its deletion the
    // selection moves to its next sibling, or to none after the last one.
    GameObject* SelectedObject = nullptr;
    // The prefab and the prefab entry being edited.
    Prefab* SelectedPrefab = nullptr;
    AutoCreate* SelectedAutoCreate = nullptr;
    // How many objects the level editor selected when its selection last changed; the
    // edit palette shows one of them only when it is the only one.
    std::size_t LevelSelectionCount = 0;
    // The object whose children the object list shows; on its deletion the list
    // falls back to its parent.
    GameObject* ListRoot = nullptr;
    // The prefab chosen in the prefab list, and the one a left click in the level
    // editor places.
    std::string SelectedPrefabName;

    // The dialogs, palettes and tools enter themselves here when they start.
    Behavior* MessageBox = nullptr;
    Behavior* ComponentPicker = nullptr;
    Behavior* PrefabPicker = nullptr;
    Behavior* ObjectEditPalette = nullptr;
    Behavior* MainPalette = nullptr;
    Behavior* ShapeEditor = nullptr;
    Behavior* SpritePicker = nullptr;
    // The camera mover opened with Ctrl+F (the shape editor brings its own).
    Behavior* CameraMover = nullptr;
    // One of the three tools is open: the play field is paused meanwhile.
    bool IsToolOpen() const;

    // The editor is open: the play field's tools and the HUD leave the mouse to it.
    bool IsActive = false;
    // The mouse is over a shown palette, or a dialog is up: level clicks are ignored.
    bool IsPointerOverEditor = false;
    // An editor piece holds the keyboard: the level editor ignores all input.
    bool IsKeyboardCaptured = false;
    bool IsSpritePicking = false;

    // The main palette's pause toggle: one of the reasons the play field is paused
    // (game/UiScreen decides; the pause menus are the other).
    bool PauseGame = false;
    // The main palette's four palette toggles, all on or all off.
    bool PalettesShown = true;
    // The draw layers (DrawLayer bits) whose objects right clicks, box select and A
    // pass over in the level; the object list still reaches them. A view setting of
    // this session, never saved: the ground ("BackgroundLit", the soil) starts locked.
    unsigned LockedLayers = static_cast<unsigned>(DrawLayer::BackgroundLit);

    // Every change made in the editor, for undo and redo.
    EditHistory History;
    // What the editor told the user (TellUser), for the message bar.
    MessageHistory Messages;

private:
    void ForgetRemoved(GameObject& removed);

    int removalListener_ = 0;
};

// Sets the editor's pause toggle (PauseGame) and its pause reason.
void SetEditorPause(bool paused);
// An editor tool opened or closed: the tool's pause reason follows IsToolOpen.
void ApplyToolPause();
// The editor closes (F11, or F1 for a play-test): the game runs on unless a menu or
// message box holds it. The pause toggle goes off, so the main palette shows the
// truth when the editor opens again, and the tools' reason goes too: each tool closes
// itself as soon as it sees the editor closed.
void CloseEditor();
