#pragma once

#include "core/Behavior.h"

// The hub for world-wide events of the play field; the last one started is the
// current one (Engine::WorldEvents). It holds no events yet.
class WorldEventsBhv : public Behavior {
public:
    ~WorldEventsBhv() override;
    void Start() override;
};
