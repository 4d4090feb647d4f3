#pragma once

#include "core/Rect.h"

// A palette's window on the screen (pixels, y down), for the editor root's test of
// whether the mouse is over the editor.
class IEdScreenArea {
public:
    virtual ~IEdScreenArea() = default;
    virtual Rect ScreenBounds() const = 0;
};
