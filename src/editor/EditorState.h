#pragma once

class GameObject;

// The record through which the editor's pieces find each other and the selection.
// GameObject's destructor keeps the two object references valid.
class EditorState {
public:
    virtual ~EditorState() = default;

    // The object whose properties the edit palette shows; on its deletion the
    // selection moves to its next sibling, or to none after the last one.
    GameObject* SelectedObject = nullptr;
    // The object whose children the object list shows; on its deletion the list
    // falls back to its parent.
    GameObject* ListRoot = nullptr;
    // The editor is open: the play field's tools and the HUD leave the mouse to it.
    bool IsActive = false;
};
