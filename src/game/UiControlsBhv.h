#pragma once

#include "core/Behavior.h"

// The controls screen ("UiControls"): a page of text that Enter, Esc or a click on
// its "Back" line (a UiButtonBhv) closes, back to the pause menu. Its "EditorKeys"
// lines are drawn only in a build with the editor.
class UiControlsBhv : public Behavior {
public:
    void Start() override;
    void HandleInput() override;
    void Update() override;

private:
    void Back();
};
