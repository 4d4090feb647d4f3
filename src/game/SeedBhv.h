#pragma once

#include "core/Behavior.h"

// Marks an object as a seed that ants pick up and eat; it has no state and no hooks.
class SeedBhv : public Behavior {};
