#pragma once

#include "core/Behavior.h"

// The "Paused" mark ("UiPausedMark", the last child of "GameplayRoot", so it is drawn
// over the menus' darkened background): drawn while anything pauses the play field
// (UiScreen::IsGameplayPaused). It matters most for the editor's pause and its tools,
// under which the field otherwise just stands still; the pause menu shows it too,
// since one rule is easier to trust than two. It stays updated while hidden.
class UiPausedMarkBhv : public Behavior {
public:
    void Start() override;
    void Update() override;
};
