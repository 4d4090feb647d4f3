#pragma once

#include <string>

// The engine's own key numbering, ordered by keyboard layout rather than by the
// platform's key numbers. The name of each code is its spelling in
// "Content/Config/KeyMappings.json". The mouse buttons are keys too.
enum KeyCode : int {
    KeyNone = 0, KeyEsc,
    KeyF1, KeyF2, KeyF3, KeyF4, KeyF5, KeyF6, KeyF7, KeyF8, KeyF9, KeyF10, KeyF11, KeyF12,
    KeyPrintScreen, KeyScrollLock, KeyPause,
    KeyTilde, KeyOem1, KeyOem2, KeyOem3, KeyOem4, KeyOem5, KeyOem6, KeyOem7, KeyOem8, KeyOem9, KeyOem0,
    KeyOemMinus, KeyEquals, KeyBackspace,
    KeyTab, KeyQ, KeyW, KeyE, KeyR, KeyT, KeyY, KeyU, KeyI, KeyO, KeyP,
    KeyLeftBracket, KeyRightBracket, KeyBackslash,
    KeyCapsLock, KeyA, KeyS, KeyD, KeyF, KeyG, KeyH, KeyJ, KeyK, KeyL,
    KeySemicolon, KeyApostrophe, KeyOemEnter,
    KeyShift, KeyZ, KeyX, KeyC, KeyV, KeyB, KeyN, KeyM,
    KeyComma, KeyOemPeriod, KeyOemSlash, KeyRightShift,
    KeyCtrl, KeyLeftWindows, KeyAlt, KeySpace, KeyRightWindows, KeyApplication,
    KeyLeft, KeyUp, KeyRight, KeyDown,
    KeyNumLock, KeyKeypadSlash, KeyKeypadAsterisk, KeyKeypadMinus, KeyKeypadPlus,
    KeyKeypad1, KeyKeypad2, KeyKeypad3, KeyKeypad4, KeyKeypad5, KeyKeypad6, KeyKeypad7, KeyKeypad8,
    KeyKeypad9, KeyKeypad0, KeyKeypadPeriod, KeyKeypadEnter,
    KeyInsert, KeyDelete, KeyHome, KeyEnd, KeyPageUp, KeyPageDown,
    KeyLeftMouse, KeyMiddleMouse, KeyRightMouse,
    KeyCodeEnd  // "__END": one past the last key
};

// Named actions that menus and the HUD react to through configurable keys.
enum ActionCode : int {
    ActionMoveUp = 0, ActionMoveDown, ActionMoveLeft, ActionMoveRight, ActionMenuConfirm, ActionMenuCancel,
    ActionDayNight, ActionToolFeed, ActionToolExamine, ActionToolLight,
    ActionFireStream, ActionMute, ActionFrameStats, ActionScreenshot,
    ActionCount
};

inline constexpr int KeyCodeCount = KeyCodeEnd + 1;  // 107 names, "None" to "__END"

// The code of a key name, or -1 when no key has that name.
int FindKeyCode(const std::string& name);
// The code of an action name, or -1 when no action has that name.
int FindActionCode(const std::string& name);
// The names the files use; "" for a code out of range.
std::string KeyName(int code);
std::string ActionName(int action);
// A key as a player reads it on the US layout the codes are named after: "2",
// "Keypad 2", "Space", "F3", "Left mouse".
std::string KeyDisplayName(int code);
// Shift, Ctrl, Alt and the Windows keys: keys that only change another.
bool IsModifierKey(int code);
