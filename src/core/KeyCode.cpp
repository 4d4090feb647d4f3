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

// In the order of kKeyNames.
constexpr std::array<std::string_view, KeyCodeCount> kDisplayNames = {
    "None", "Esc", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12",
    "Print Screen", "Scroll Lock", "Pause",
    "`", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0",
    "-", "=", "Backspace",
    "Tab", "Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P",
    "[", "]", "\\",
    "Caps Lock", "A", "S", "D", "F", "G", "H", "J", "K", "L",
    ";", "'", "Enter",
    "Shift", "Z", "X", "C", "V", "B", "N", "M",
    ",", ".", "/", "Right Shift",
    "Ctrl", "Left Windows", "Alt", "Space", "Right Windows", "Menu",
    "Left", "Up", "Right", "Down",
    "Num Lock", "Keypad /", "Keypad *", "Keypad -", "Keypad +",
    "Keypad 1", "Keypad 2", "Keypad 3", "Keypad 4", "Keypad 5", "Keypad 6", "Keypad 7", "Keypad 8",
    "Keypad 9", "Keypad 0", "Keypad .", "Keypad Enter",
    "Insert", "Delete", "Home", "End", "Page Up", "Page Down",
    "Left mouse", "Middle mouse", "Right mouse",
    ""};

constexpr std::array<std::string_view, ActionCount> kActionNames = {
    "MoveUp", "MoveDown", "MoveLeft", "MoveRight", "MenuConfirm", "MenuCancel",
    "DayNight", "ToolFeed", "ToolExamine", "ToolLight",
    "FireStream", "Mute", "FrameStats", "Screenshot"};

template <std::size_t N>
std::string At(const std::array<std::string_view, N>& names, int index) {
    return index >= 0 && index < static_cast<int>(N) ? std::string(names[static_cast<std::size_t>(index)]) : "";
}

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

std::string KeyName(int code) { return At(kKeyNames, code); }

std::string ActionName(int action) { return At(kActionNames, action); }

std::string KeyDisplayName(int code) { return At(kDisplayNames, code); }

bool IsModifierKey(int code) {
    switch (code) {
        case KeyShift:
        case KeyRightShift:
        case KeyCtrl:
        case KeyAlt:
        case KeyLeftWindows:
        case KeyRightWindows:
            return true;
        default:
            return false;
    }
}
