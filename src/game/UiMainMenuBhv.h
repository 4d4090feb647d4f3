#pragma once

#include "core/Behavior.h"

#include <string>

// The pause menu, on the "UiMainMenu" object beside its TextMenuBhv. Its items, by
// name: "Resume" (or Esc) closes the menus and plays on; "Controls" shows the
// "UiControls" screen; "Options" the "UiOptions" screen; "Fullscreen" switches the
// window mode; "Quit" ends the game.
class UiMainMenuBhv : public Behavior {
public:
    void Start() override;
    void HandleInput() override;

    // What confirming the named item does.
    void Select(const std::string& item);
};
