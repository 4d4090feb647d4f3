#pragma once

#include "core/Behavior.h"
#include "editor/widgets/IEdUiElement.h"

#include <functional>
#include <string>

// A push button: it clicks when the left button, pressed inside, is let go inside,
// so a press dragged off (or onto) it does nothing. While held with the mouse
// inside, its background is drawn mirrored (the pressed look). Grayed out, only its
// text is dimmed; it still clicks.
class EdButtonBhv : public Behavior, public IEdUiElement {
public:
    EdButtonBhv();

    void Start() override;
    void HandleInput() override;
    void SetRect(float left, float top, float width, float height) override;

    std::string Title;
    bool IsGrayedOut = false;
    bool IsPressed = false;
    std::function<void()> OnClick;

private:
    void RefreshBackground(bool mouseInside);

    GameObject* background_ = nullptr;
    GameObject* text_ = nullptr;
};
