#pragma once

#include "core/Behavior.h"

// The controls screen ("UiControls"): a page of text that Enter or Esc closes, back
// to the pause menu.
class UiControlsBhv : public Behavior {
public:
    void Start() override;
    void HandleInput() override;
};
