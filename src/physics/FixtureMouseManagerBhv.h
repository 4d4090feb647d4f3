#pragma once

#include "core/Behavior.h"
#include "core/Vector2.h"

class b2World;

// Runs the mouse-over test for every FixtureMouseListenerBhv: each input pass it
// marks the first listener of every object with a fixture whose bounding box comes
// within MouseReach of the mouse. Bounding boxes only, no exact point test.
class FixtureMouseManagerBhv : public Behavior {
public:
    static constexpr float MouseReach = 0.0625f;

    void HandleInput() override;

    // The test for a point already in world coordinates.
    static void MarkListenersNear(b2World& world, Vector2 worldPoint);
};
