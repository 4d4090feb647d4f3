#pragma once

#include <string>

// One step of typing as it happened within a poll, with the modifiers held at that
// moment: a press or auto-repeat of an editing key (Backspace, Enter ...), a key
// pressed with Ctrl (a shortcut such as Ctrl+V), a mouse button press (so that a
// click falls between the keys typed before and after it), or typed text. Typed text
// comes from the system's text input, through the user's keyboard layout, in UTF-8;
// key strokes name the physical key, the same on every layout.
struct KeyStroke {
    int key = 0;       // KeyNone for typed text
    std::string text;  // what was typed, "" for a key
    bool shift = false;
    bool ctrl = false;

    static KeyStroke Of(int key, bool shift = false, bool ctrl = false);
    static KeyStroke Typed(std::string text);
    // Backspace, Delete, the arrows, Home, End, either Enter, Tab and Esc.
    static bool IsEditKey(int key);
    static bool IsMouseButton(int key);
    // What a held key repeats: Backspace, Delete and the arrows; never Enter, Tab,
    // Esc, Home or End. Held typing keys repeat through the system's text input.
    static bool Repeats(int key);
};
