#pragma once

// The character a key types on a US keyboard, by engine key code. Keys below
// LayoutKeyCount can type; 0 means the key types nothing.
inline constexpr int LayoutKeyCount = 97;

char TypedCharacter(int keyCode, bool shifted);
