#pragma once

#include "core/Behavior.h"
#include "core/Vector2.h"
#include "editor/widgets/IEdKeyboardHolder.h"

// A modal editor window: centred on the screen over a full-screen "Overlay", its
// widget rows stacked like a palette's on an optional "Panel" (a sprite framing them).
// While it is shown the palettes take no input and the level editor no keys.
class EdDialogBhv : public Behavior, public IEdKeyboardHolder {
public:
    EdDialogBhv();

    void Start() override;
    void Update() override;
    bool HoldsKeyboard() const override { return IsShown(); }

    void Show();
    void Hide();
    bool IsShown() const;
    void Layout();

    float Width = 220.0f;
    Vector2 TopLeft;

private:
    void SetPalettesInput(bool enabled) const;
};
