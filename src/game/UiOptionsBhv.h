#pragma once

#include "core/Behavior.h"

#include <string>

// The options screen ("UiOptions"), opened from the pause menu. Its rows are children
// named "MasterVolume", "MusicVolume", "EffectsVolume", "Mute", "Fullscreen", "VSync",
// "WindowSize" and "Back"; each but "Back" shows its value in its child "Value"
// between the arrows "Less" and "More". Up and Down choose a row, Left and Right
// change it, Enter toggles or steps it (a volume past 100 back to 0), and the mouse
// points at a row and clicks its arrows or the row itself. Every change is made at
// once, kept in the player's settings and clicks with the "ButtonClick" cue. Esc or
// "Back" returns to the pause menu. The child "Highlight" lies under the chosen row.
class UiOptionsBhv : public Behavior {
public:
    enum Row { MasterVolume, MusicVolume, EffectsVolume, Mute, Fullscreen, VSync, WindowSize, Back, RowCount };

    void Start() override;
    void HandleInput() override;
    void Update() override;

    // What Left (-1) and Right (+1) do to the row.
    void Step(Row row, int direction);
    // What Enter or a click on the row does.
    void Activate(Row row);
    // The row's value as shown, "" for "Back".
    static std::string ValueText(Row row);

    static const char* RowName(Row row);

    Row Selected = MasterVolume;

private:
    void HandleMouse();
    // The row under the pointer, RowCount for none; `part` says -1 for its "Less"
    // arrow, +1 for "More", 0 for the rest of it.
    Row RowAt(int& part) const;
    void Click(Row row, int part);
    void GoBack();

    Row pressedRow_ = RowCount;
    int pressedPart_ = 0;
};
