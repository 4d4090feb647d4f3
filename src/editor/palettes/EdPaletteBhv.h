#pragma once

#include "core/Behavior.h"
#include "core/Rect.h"
#include "core/Vector2.h"
#include "editor/widgets/IEdScreenArea.h"

// A palette window: its shown widget rows stacked top to bottom from TopLeft, all
// Width wide, and moved by dragging its "TitleBar". The rows are laid out again
// every frame, so a row shown or hidden takes or gives back its space at once.
class EdPaletteBhv : public Behavior, public IEdScreenArea {
public:
    EdPaletteBhv();

    void Start() override;
    void Update() override;

    // Stacks the draw-enabled children that are widgets, in child order.
    void Layout();
    // Moves the palette by a mouse movement, keeping 10 pixels of it on screen.
    void Drag(Vector2 movement);
    float PaletteHeight() const { return height_; }
    Rect ScreenBounds() const override;
    // How far down the palette may grow: to the window's bottom, or to the top of the
    // next shown palette below it that it would cover, less a small gap.
    float LowestBottom() const;

    Vector2 TopLeft{10.0f, 40.0f};
    float Width = 220.0f;

private:
    float height_ = 0.0f;
};

// The mouse wheel's notches of this frame for `window`, 0 unless it and its ancestors
// take input and, for a palette, the pointer is over it (a dialog is modal: anywhere).
int WheelNotchesFor(const GameObject& window);
