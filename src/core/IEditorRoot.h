#pragma once

// What the input poll asks of the editor once per frame, after the cursor is read:
// whether the mouse is over an editor window and whether an editor piece holds the
// keyboard; and what the application asks before it quits. The editor root
// implements it and enters itself as Engine::EditorRoot.
class IEditorRoot {
public:
    virtual ~IEditorRoot() = default;
    virtual void UpdatePointerOverEditor() = 0;
    virtual void UpdateKeyboardCapture() = 0;
    // A quit was asked for (the window closed, Quit chosen): true to keep running
    // because the user is being asked about unsaved work.
    virtual bool KeepRunningToAsk() = 0;
    // The game ends: unsaved work goes where the next start can recover it.
    virtual void KeepUnsavedWork() = 0;
};
