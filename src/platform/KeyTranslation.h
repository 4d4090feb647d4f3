#pragma once

// Engine key code (core/KeyCode.h) of an SDL2 scancode: the key's physical position
// read on a US keyboard. Both Shift, Ctrl, Alt and Enter keys give one code each.
// Returns KeyNone for keys the engine has no code for.
int TranslateScancode(int scancode);

// Engine key code of an SDL2 mouse button (SDL_BUTTON_LEFT ...), KeyNone for others.
int TranslateMouseButton(int button);
