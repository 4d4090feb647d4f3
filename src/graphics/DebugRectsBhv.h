#pragma once

#include "core/Behavior.h"

// A container for throw-away debug shapes: whatever is placed under its object lives
// until the next input pass in which the gameplay is running. The last one started
// is the current one (Engine::DebugRects).
class DebugRectsBhv : public Behavior {
public:
    ~DebugRectsBhv() override;
    void Start() override;
    void HandleInput() override;
};
