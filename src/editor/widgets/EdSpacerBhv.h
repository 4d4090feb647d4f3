#pragma once

#include "core/Behavior.h"
#include "editor/widgets/IEdUiElement.h"

// An empty row of its "Height".
class EdSpacerBhv : public Behavior, public IEdUiElement {
public:
    EdSpacerBhv() { AddProperty("Height", Height); }
};
