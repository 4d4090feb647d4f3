#pragma once

// What the input poll asks of the editor once per frame, after the cursor is read:
// whether the mouse is over an editor window and whether an editor piece holds the
// keyboard. The editor root implements it and enters itself as Engine::EditorRoot.
class IEditorRoot {
public:
    virtual ~IEditorRoot() = default;
    virtual void UpdatePointerOverEditor() = 0;
    virtual void UpdateKeyboardCapture() = 0;
};
