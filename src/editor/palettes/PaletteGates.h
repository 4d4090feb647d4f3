#pragma once

#include "core/GameObject.h"

// Whether a palette may act on keys this frame: the editor is open, the palette is
// shown, and no field holds the keyboard.
bool PaletteTakesKeys(const GameObject& palette);
bool IsKeyHeld(int code);
bool IsKeyJustPressed(int code);
