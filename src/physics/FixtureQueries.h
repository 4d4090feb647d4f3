#pragma once

#include "core/Vector2.h"

#include <vector>

class B2FixtureComponent;
class b2World;

// World queries over fixtures that belong to a B2FixtureComponent; fixtures without
// one are never reported. Run them between steps, never inside one.

// Every fixture component whose shape overlaps the axis-aligned square of half-size
// `halfSize` around `centre` (an exact shape test, not just bounding boxes), appended
// to `out`.
void QueryFixturesInSquare(std::vector<B2FixtureComponent*>& out, float halfSize, float centreX, float centreY);
void QueryFixturesInSquare(b2World& world, std::vector<B2FixtureComponent*>& out, float halfSize,
                           Vector2 centre);

// Every fixture component whose broad-phase box comes within `reach` of `point`, in the
// order Box2D reports them.
std::vector<B2FixtureComponent*> QueryFixturesNearPoint(b2World& world, Vector2 point, float reach);
