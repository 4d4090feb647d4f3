#pragma once

// One press or auto-repeat of a key that types or edits text, as it happened within
// a poll: the character it types (0 for an editing key such as Enter or Backspace)
// and the modifiers held at that moment. A mouse button press is a stroke too, so
// that a click falls between the keys typed before and after it.
struct KeyStroke {
    int key = 0;
    char character = 0;
    bool shift = false;
    bool ctrl = false;

    // A stroke of `key` with the character it types on the US layout.
    static KeyStroke Of(int key, bool shift = false, bool ctrl = false);
    // Keys that type a character, and Backspace, Delete, the arrows, Home, End,
    // either Enter, Tab and Esc.
    static bool IsTextKey(int key);
    static bool IsMouseButton(int key);
    // What a held key repeats: the typing keys, Backspace, Delete and the arrows;
    // never Enter, Tab, Esc, Home or End.
    static bool Repeats(int key);
};
