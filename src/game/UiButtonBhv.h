#pragma once

#include "core/Behavior.h"

#include <functional>

// A mouse button over its sprite: it clicks when the left button is released inside
// after being pressed inside, so a press dragged off the button (or onto it) does
// nothing. Grayed out, it is drawn faint (it still clicks).
class UiButtonBhv : public Behavior {
public:
    UiButtonBhv();

    void HandleInput() override;
    void Update() override;

    bool IsGrayedOut = false;
    bool IsPressed = false;
    std::function<void()> OnClick;

private:
    bool latched_ = false;
};
