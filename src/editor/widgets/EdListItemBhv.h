#pragma once

#include "core/Behavior.h"
#include "core/Color.h"
#include "editor/widgets/IEdUiElement.h"

#include <functional>
#include <string>

// One row of a palette's list. The owning list fills Label and the two flags and
// lays it out again; a selected or highlighted row gets the highlight colour, and a
// selected one an arrow after its label. Left and right presses inside are reported.
class EdListItemBhv : public Behavior, public IEdUiElement {
public:
    EdListItemBhv();

    void Start() override;
    void HandleInput() override;
    void SetRect(float left, float top, float width, float height) override;

    std::string Label;
    float Margin = 4.0f;
    bool IsSelected = false;
    bool IsHighlighted = false;
    std::function<void()> OnLeftClick;
    std::function<void()> OnRightClick;

private:
    GameObject* background_ = nullptr;
    GameObject* text_ = nullptr;
    Color normalTint_;
};
