#pragma once

#include "core/Color.h"
#include "core/Component.h"
#include "core/IEditable.h"

// A colour multiplied into the object's sprite and text and into its whole subtree.
class TintComponent : public Component, public IEditable {
public:
    TintComponent() { AddProperty("Tint", Tint); }

    Color Tint{255, 255, 255, 255};
};
