#pragma once

#include <functional>

// What the input manager learns from the system's event queue, already translated
// to engine key codes.
struct InputEvent {
    enum class Kind { KeyDown, KeyUp, FocusGained, FocusLost, Quit, Wheel };
    Kind kind;
    int key = 0;  // engine key code, for KeyDown and KeyUp
    int wheel = 0;  // notches turned, away from the user positive, for Wheel
};

// Takes every pending event off SDL's queue and hands the ones the input manager
// cares about to `handle`, in queue order. Keys and buttons without an engine code
// are dropped. Harmless when SDL's event subsystem is not running.
void PumpEvents(const std::function<void(const InputEvent&)>& handle);
