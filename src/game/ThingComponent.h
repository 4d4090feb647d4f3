#pragma once

#include "core/Component.h"
#include "core/IEditable.h"

// Marks a world object; the gameplay screen sorts the level's children by LayeringOrder.
class ThingComponent : public Component, public IEditable {
public:
    ThingComponent() { AddProperty("LayeringOrder", LayeringOrder); }

    int LayeringOrder = 0;
};
