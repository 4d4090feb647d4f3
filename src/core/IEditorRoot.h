#pragma once

// What the application asks of the editor before it quits. The editor root
// implements it and enters itself as Engine::EditorRoot.
class IEditorRoot {
public:
    virtual ~IEditorRoot() = default;
    // A quit was asked for (the window closed, Quit chosen): true to keep running
    // because the user is being asked about unsaved work.
    virtual bool KeepRunningToAsk() = 0;
    // The game ends: unsaved work goes where the next start can recover it.
    virtual void KeepUnsavedWork() = 0;
};
