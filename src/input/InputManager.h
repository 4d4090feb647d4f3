#pragma once

#include "core/KeyCode.h"
#include "core/Vector2.h"
#include "input/KeyBindings.h"
#include "input/KeyStroke.h"

#include <array>
#include <bitset>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

struct InputEvent;

// Keyboard and mouse state for the input and update passes. The poll gathers the
// state and the typed text from the system, the per-frame update derives press edges
// and auto-repeat from it, and the key mappings let menus react to named actions.
// Keys are physical (the same place on every layout); typed text comes from the
// system's text input, through the user's layout, and only while a consumer takes
// the keys (the editor).
// A key or button that went down during a poll is down for that frame even when it
// came up again before the poll ended; that release applies at the next poll, so a
// tap shorter than a frame is still seen. Text fields read Strokes, which keeps the
// order in which characters and editing keys came, however long the frame was.
// Every query answers false while the game window does not have the focus, though
// the state is still tracked.
class InputConsumer;
class InputManager {
public:
    using KeySet = std::bitset<256>;

    InputManager();
    virtual ~InputManager();
    InputManager(const InputManager&) = delete;
    InputManager& operator=(const InputManager&) = delete;

    bool IsKeyDown(int code) const;
    bool IsKeyPressed(int code) const;
    // A press or an auto-repeat this frame.
    bool IsKeyTyped(int code) const;
    // Some key mapped to the action is set in `keys` (CurrentKeys or PreviousKeys).
    bool IsActionDown(int action, const KeySet& keys) const;
    // A key mapped to the action went down this frame / was pressed or auto-repeated.
    bool IsActionPressed(int action) const;
    bool IsActionTyped(int action) const;
    // This frame's typed text, editing keys, keys pressed with Ctrl and mouse buttons
    // in the order they happened: the auto-repeats of held editing keys, then what
    // this poll brought. Each key carries the Shift and Ctrl held at that moment (a
    // release later in the poll counts). Unlike TypedText and TypedKeys, which lag a
    // frame behind the presses, these belong to the poll that IsKeyPressed answers for.
    const std::vector<KeyStroke>& Strokes() const;

    // Reads "action name": "key name" pairs, in file order; a name may repeat to bind
    // several keys. Throws ContentError naming the file when it is missing or not JSON;
    // unknown names bind code 0 with a warning. The player's own file, when given, is
    // read over it (KeyBindings).
    void LoadKeyMappings(const std::string& path, const std::filesystem::path& playerFile = {});

    // While capturing, the next key to go down (a modifier only when nothing else
    // went down in that poll) is the asker's alone: it reads as up for everyone until
    // it is released and pressed again, so a key being bound does not also act.
    // Capturing stops with the key.
    void CaptureNextKey(bool on);
    bool IsCapturing() const { return capturing_; }
    // The key the last poll captured; KeyNone when none.
    int CapturedKey() const { return captured_; }

    // Once per frame, before the poll: typed keys, the last poll's text, auto-repeat
    // (the first strokes of the frame), and the copy of this frame's state into the
    // previous-frame fields.
    void Update();
    // Once per frame: cursor, focus, the releases held back by the previous poll,
    // then the event queue (keys, mouse buttons, typed text), then the consumers.
    // Returns false when the application must quit.
    bool Poll();

    // Plain text, at most 1024 characters; "" when there is none or on failure.
    std::string ReadClipboardText() const;
    // Leaves the clipboard unchanged on failure.
    void WriteClipboardText(const std::string& text) const;

    // The cursor in world coordinates, through the world camera; the origin without
    // graphics.
    Vector2 CursorInWorld() const;

    // Consumers above the game, offered each poll's input in the order added. Each
    // removes itself before it goes.
    void AddConsumer(InputConsumer* consumer);
    void RemoveConsumer(InputConsumer* consumer);
    // Whether a consumer takes the pointer or the keys now: the menus, the HUD and the
    // play field then leave them alone.
    bool IsPointerTaken() const;
    bool AreKeysTaken() const;

    Vector2 Cursor;
    Vector2 PreviousCursor;
    // Mouse wheel notches of the last poll, away from the user positive.
    int WheelNotches = 0;
    KeySet CurrentKeys;
    KeySet PreviousKeys;
    std::string TypedText;  // UTF-8, as the layout typed it
    std::multimap<int, int> KeyMappings;  // action code -> key code
    KeyBindings Bindings;                 // the shipped keys and the player's file
    std::array<float, 256> RepeatTimers{};
    KeySet TypedKeys;
    std::vector<KeyStroke> StrokesThisFrame;  // what Strokes answers with the focus

private:
    bool HasFocus() const;
    void UpdateKey(int code, float deltaSeconds);
    // Applies one event of the queue; returns false for a quit request.
    bool Apply(const InputEvent& event);
    void ApplyKeyUp(int code);
    // A new press within the poll: its stroke, in order, for a key that edits or a
    // shortcut.
    void TypeInOrder(int code);
    // Down as the events stand now: a release held back to the next poll counts as up.
    bool IsHeld(int code) const;
    bool IsShiftHeld() const;
    int FirstWentDown() const;
    // Takes the key asked for by CaptureNextKey out of this poll's input.
    void Capture();

    std::vector<InputConsumer*> consumers_;
    KeySet wentDownThisPoll_;
    // Some key other than a modifier went down in this poll.
    bool keyWentDownThisPoll_ = false;
    KeySet releaseAtNextPoll_;
    // What the last poll's text events typed, in the order they came.
    std::string typedInPoll_;
    bool capturing_ = false;
    int captured_ = KeyNone;
    // Captured keys still held: their repeats and release are nobody's.
    KeySet swallowed_;
};
