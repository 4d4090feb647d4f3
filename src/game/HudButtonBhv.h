#pragma once

#include "core/Behavior.h"
#include "core/Color.h"
#include "core/Vector2.h"

#include <functional>
#include <string>

// A HUD button: a sprite on the screen camera that calls OnClick when the left mouse
// button is pressed over it, and shows SelectedTint while highlighted. Its hint (what
// HudHintBhv shows while the pointer rests on it) names it, its key and what it does.
class HudButtonBhv : public Behavior {
public:
    HudButtonBhv();

    // Tints the sprite by IsHighlighted, then clicks when pressed over it, unless the
    // editor is open.
    void HandleInput() override;

    // Whether the screen point lies in the object's sprite rectangle; the right and
    // bottom edges are outside. False without a sprite.
    static bool Contains(const GameObject& button, Vector2 point);

    // "Name (Key): What it does", the action's first key as bound now, or "Name: What
    // it does" when it has none; empty without a name.
    std::string Hint() const;

    Color SelectedTint{255, 255, 255, 255};
    bool IsHighlighted = false;
    std::function<void()> OnClick;
    std::string HintName;
    std::string HintAction;  // an action name, "ToolFeed"
    std::string HintText;
};
