#pragma once

#include "core/Behavior.h"

// Queues its object for deletion once it has run "Seconds" of game time. Gives a
// continuous emitter that nothing else removes (the Space key's fire stream) an end;
// the particles it emitted live out their own lives.
class Pcl_LifetimeBhv : public Behavior {
public:
    Pcl_LifetimeBhv();

    void Update() override;

    float Seconds = 1.0f;

private:
    float elapsed_ = 0.0f;
};
