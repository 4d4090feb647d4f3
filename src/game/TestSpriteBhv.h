#pragma once

#include "core/Behavior.h"

// A debugging aid: a left click makes the object glide to the mouse and blip when it
// arrives. The object needs a Pos2dComponent and a TweensBhv; without them a click
// does nothing.
class TestSpriteBhv : public Behavior {
public:
    void HandleInput() override;

    static constexpr float GlideSeconds = 0.25f;
};
