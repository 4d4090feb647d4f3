#pragma once

#include "core/Behavior.h"
#include "core/Color.h"
#include "editor/widgets/IEdUiElement.h"

#include <functional>
#include <string>

// A check button: a left press inside flips "Value" and reports the new value. On,
// it looks pressed: a darker background drawn mirrored and white text; off, the
// prefab's own background tint with black text. Code that sets Value itself calls
// OnChanged itself.
class EdToggleBhv : public Behavior, public IEdUiElement {
public:
    EdToggleBhv();

    void Start() override;
    void HandleInput() override;
    void Update() override;

    std::string Title;
    bool Value = false;
    std::function<void(bool)> OnChanged;

private:
    GameObject* background_ = nullptr;
    GameObject* text_ = nullptr;
    Color backgroundTint_;
};
