#pragma once

#include "core/Behavior.h"

// A message over the play field: two frames after it is built it pauses the play
// field; Enter or Esc hides it and plays on.
class UiMessageBoxBhv : public Behavior {
public:
    void Start() override;
    void HandleInput() override;

private:
    CoCommand PauseGameplay(int resumePoint);
};
