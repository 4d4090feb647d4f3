#pragma once

#include "core/Behavior.h"
#include "editor/widgets/IEdUiElement.h"

// A row holding several widgets side by side: its shown children that are widgets
// share the width equally in whole pixels, in child order. A row without any is left
// empty.
class EdRowMultiContainerBhv : public Behavior, public IEdUiElement {
public:
    EdRowMultiContainerBhv() { AddProperty("Height", Height); }

    void SetRect(float left, float top, float width, float height) override;
};

// The object's first component that is a widget, or null.
IEdUiElement* FindUiElement(const GameObject& object);
