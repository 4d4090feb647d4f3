#pragma once

#include "core/Rect.h"
#include "core/Vector2.h"

class GameObject;

// A row of an editor palette or dialog: it asks for a height and lays out its
// children inside the rectangle its container gives it (screen pixels, y down).
// Every widget is also a Behavior; its "Height" is a registered property there.
class IEdUiElement {
public:
    virtual ~IEdUiElement() = default;

    // Stores the rectangle and lays out. This base version sizes the object's own
    // sprite (when it has one) to the rectangle and centres its position in it.
    virtual void SetRect(float left, float top, float width, float height);

    // Left and top edges inside, right and bottom edges outside.
    static bool Contains(const Rect& rect, Vector2 point);
    bool Contains(Vector2 point) const { return Contains(Bounds, point); }

    float Height = 20.0f;
    Rect Bounds;

protected:
    // The object the widget behaviour is attached to, or null.
    GameObject* ElementObject() const;
};
