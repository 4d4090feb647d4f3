#pragma once

#include "core/Behavior.h"
#include "core/Color.h"
#include "core/Vector2.h"

#include <functional>

// A HUD button: a sprite on the screen camera that calls OnClick when the left mouse
// button is pressed over it, and shows SelectedTint while highlighted.
class HudButtonBhv : public Behavior {
public:
    HudButtonBhv();

    // Tints the sprite by IsHighlighted, then clicks when pressed over it, unless the
    // editor is open.
    void HandleInput() override;

    // Whether the screen point lies in the object's sprite rectangle; the right and
    // bottom edges are outside. False without a sprite.
    static bool Contains(const GameObject& button, Vector2 point);

    Color SelectedTint{255, 255, 255, 255};
    bool IsHighlighted = false;
    std::function<void()> OnClick;
};
