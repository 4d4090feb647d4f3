#pragma once

#include "core/Behavior.h"

// Tells its object whether the mouse is over one of the object's fixtures. The
// FixtureMouseManagerBhv sets MouseOverPending during the input pass; the listener
// takes it over in its own HandleInput, so IsMouseOver is this frame's answer when
// the manager comes first in the pass, else the previous frame's.
class FixtureMouseListenerBhv : public Behavior {
public:
    void HandleInput() override {
        IsMouseOver = MouseOverPending;
        MouseOverPending = false;
    }

    bool IsMouseOver = false;
    bool MouseOverPending = false;
};
