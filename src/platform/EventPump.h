#pragma once

#include <functional>
#include <string>

// What the input manager learns from the system's event queue, already translated
// to engine key codes. Text is what the keys typed through the user's keyboard
// layout (dead keys and input methods included), in UTF-8; it follows the key
// press that typed it.
struct InputEvent {
    enum class Kind { KeyDown, KeyUp, Text, FocusGained, FocusLost, Quit, Wheel };
    Kind kind;
    int key = 0;       // engine key code, for KeyDown and KeyUp
    std::string text;  // for Text
    int wheel = 0;     // notches turned, away from the user positive, for Wheel
};

// Takes every pending event off SDL's queue and hands the ones the input manager
// cares about to `handle`, in queue order. Keys and buttons without an engine code
// are dropped. Harmless when SDL's event subsystem is not running.
void PumpEvents(const std::function<void(const InputEvent&)>& handle);

// Whether key presses also come as Text. Off, an input method stays out of the way of
// keys that play the game. Needs SDL's video subsystem.
void EnableTextInput(bool enabled);
