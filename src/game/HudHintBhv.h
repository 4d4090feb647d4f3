#pragma once

#include "core/Behavior.h"

class GameObject;
class HudButtonBhv;

// The hint of the HUD button the pointer rests on ("HudHint", a child of the HUD):
// once the pointer has stayed "Delay" seconds on one button, the object's sprite, a
// panel widened to fit, shows the button's Hint() in its child "Text" just below the
// button, inside the window. The hint goes when the pointer leaves or clicks (after a
// click it waits until the pointer leaves the button), and never shows while the game
// is paused or something above the game (the open editor) takes the pointer.
class HudHintBhv : public Behavior {
public:
    HudHintBhv();

    void Start() override;
    void Update() override;

    bool IsShowing() const;

    float Delay = 0.5f;

private:
    HudButtonBhv* PointedButton() const;
    void ShowFor(const HudButtonBhv& button);
    void PlaceNear(const GameObject& button);

    // Compared, never followed: the button is found again every frame.
    const HudButtonBhv* restingOn_ = nullptr;
    float restSeconds_ = 0.0f;
    bool dismissed_ = false;
};
