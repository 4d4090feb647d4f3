#pragma once

#include "core/Behavior.h"
#include "core/Vector2.h"
#include "editor/widgets/IEdUiElement.h"

#include <functional>
#include <string>

// A palette's title bar: a left press on it starts a drag that reports the mouse's
// movement every frame until the button is no longer held (so a release lost to a
// change of window focus ends it too).
class EdTitleBarBhv : public Behavior, public IEdUiElement {
public:
    EdTitleBarBhv();

    void Start() override;
    void HandleInput() override;
    void SetRect(float left, float top, float width, float height) override;

    std::string Title;
    bool IsDragging = false;
    std::function<void(Vector2)> OnDrag;

private:
    GameObject* background_ = nullptr;
    GameObject* text_ = nullptr;
    Vector2 lastCursor_;
};

// Where a palette `width` wide may have its top-left corner on a screen of
// `screenSize`: at least 10 pixels of it stay reachable on every side.
Vector2 KeepPaletteOnScreen(Vector2 topLeft, float width, Vector2 screenSize);
