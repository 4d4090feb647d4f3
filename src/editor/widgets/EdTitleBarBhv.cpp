#include "editor/widgets/EdTitleBarBhv.h"

#include "core/Engine.h"
#include "core/KeyCode.h"
#include "editor/widgets/EdWidgetParts.h"
#include "input/InputManager.h"

#include <algorithm>

namespace {
constexpr float KeptOnScreen = 10.0f;
}

EdTitleBarBhv::EdTitleBarBhv() {
    AddProperty("Title", Title);
    AddProperty("Height", Height);
}

void EdTitleBarBhv::Start() {
    background_ = FindChild("Background");
    text_ = FindChild("Text");
}

void EdTitleBarBhv::HandleInput() {
    const InputManager& input = *Engine::InputManager;
    if (input.IsKeyPressed(KeyLeftMouse) && Contains(input.Cursor)) {
        IsDragging = true;
        lastCursor_ = input.Cursor;
    }
    if (!input.IsKeyDown(KeyLeftMouse)) {
        IsDragging = false;
    }
    if (IsDragging) {
        const Vector2 movement = input.Cursor - lastCursor_;
        lastCursor_ = input.Cursor;
        if (OnDrag) {
            OnDrag(movement);
        }
    }
}

void EdTitleBarBhv::SetRect(float left, float top, float width, float height) {
    using namespace EdWidgetParts;
    Bounds = Rect(left, top, width, height);
    LayOutTitle(text_, Bounds, Title, White);
    LayOutBackground(background_, Bounds, false);
}

Vector2 KeepPaletteOnScreen(Vector2 topLeft, float width, Vector2 screenSize) {
    // The right and bottom limits win on a screen too small for both.
    const float x = std::min(std::max(topLeft.x, KeptOnScreen - width), screenSize.x - KeptOnScreen);
    const float y = std::min(std::max(topLeft.y, -KeptOnScreen), screenSize.y - KeptOnScreen);
    return Vector2(x, y);
}
