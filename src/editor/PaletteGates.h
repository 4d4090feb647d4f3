#pragma once

#include "core/GameObject.h"

// Shows the palette while the main palette's toggles are all on
// (EditorState::PalettesShown, cleared when F1 opens the editor) and hides it
// otherwise; its updates go on, so it comes back by itself.
void FollowPalettesShown(GameObject& palette);

// Whether a palette may act on keys this frame: the editor is open, the palette is
// shown, and no field holds the keyboard.
bool PaletteTakesKeys(const GameObject& palette);
bool IsKeyHeld(int code);
bool IsKeyJustPressed(int code);
