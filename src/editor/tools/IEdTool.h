#pragma once

#include "editor/widgets/IEdKeyboardHolder.h"

// An editor tool that works in the game view (the shape editor, the sprite picker,
// the camera mover). While one is open it holds the keyboard and the play field is
// paused (game/UiScreen asks EditorState::IsToolOpen).
class IEdTool : public IEdKeyboardHolder {
public:
    virtual bool IsOpen() const = 0;
    bool HoldsKeyboard() const override { return IsOpen(); }
};
