#include "core/KeyCode.h"

#include <array>
#include <string_view>

namespace {

constexpr std::array<std::string_view, KeyCodeCount> kKeyNames = {
    "None", "Esc", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12",
    "PrintScreen", "ScrollLock", "Pause",
    "Tilde", "Oem1", "Oem2", "Oem3", "Oem4", "Oem5", "Oem6", "Oem7", "Oem8", "Oem9", "Oem0",
    "OemMinus", "Equals", "Backspace",
    "Tab", "Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P",
    "LeftBracket", "RightBracket", "Backslash",
    "CapsLock", "A", "S", "D", "F", "G", "H", "J", "K", "L",
    "Semicolon", "Apostrophe", "OemEnter",
    "Shift", "Z", "X", "C", "V", "B", "N", "M",
    "Comma", "OemPeriod", "OemSlash", "RightShift",
    "Ctrl", "LeftWindows", "Alt", "Space", "RightWindows", "Application",
    "Left", "Up", "Right", "Down",
    "NumLock", "KeypadSlash", "KeypadAsterisk", "KeypadMinus", "KeypadPlus",
    "Keypad1", "Keypad2", "Keypad3", "Keypad4", "Keypad5", "Keypad6", "Keypad7", "Keypad8",
    "Keypad9", "Keypad0", "KeypadPeriod", "KeypadEnter",
    "Insert", "Delete", "Home", "End", "PageUp", "PageDown",
    "LeftMouse", "MiddleMouse", "RightMouse",
    "__END"};

constexpr std::array<std::string_view, ActionCount> kActionNames = {
    "MoveUp", "MoveDown", "MoveLeft", "MoveRight", "MenuConfirm", "MenuCancel",
    "DayNight", "ToolFeed", "ToolExamine", "ToolLight",
    "FireStream", "Mute", "FrameStats", "Screenshot"};

template <std::size_t N>
int IndexOf(const std::array<std::string_view, N>& names, const std::string& name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

int FindKeyCode(const std::string& name) { return IndexOf(kKeyNames, name); }

int FindActionCode(const std::string& name) { return IndexOf(kActionNames, name); }
