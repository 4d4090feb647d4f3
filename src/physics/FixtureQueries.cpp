#include "physics/FixtureQueries.h"

#include "core/Engine.h"
#include "physics/B2FixtureComponent.h"

#include <box2d/box2d.h>

namespace {

B2FixtureComponent* ComponentOf(b2Fixture* fixture) {
    return reinterpret_cast<B2FixtureComponent*>(fixture->GetUserData().pointer);
}

// Collects every reported fixture's component; bounding boxes only.
class MouseQueryCallback : public b2QueryCallback {
public:
    bool ReportFixture(b2Fixture* fixture) override {
        if (B2FixtureComponent* component = ComponentOf(fixture)) {
            Found.push_back(component);
        }
        return true;
    }
    std::vector<B2FixtureComponent*> Found;
};

// Keeps the fixtures whose shape really overlaps the query polygon.
class AabbQueryCallback : public b2QueryCallback {
public:
    AabbQueryCallback(const b2PolygonShape& square, std::vector<B2FixtureComponent*>& out)
        : square_(square), out_(out) {}

    bool ReportFixture(b2Fixture* fixture) override {
        B2FixtureComponent* component = ComponentOf(fixture);
        if (component == nullptr) {
            return true;
        }
        b2Transform identity;
        identity.SetIdentity();
        const b2Shape* shape = fixture->GetShape();
        const b2Transform& bodyTransform = fixture->GetBody()->GetTransform();
        // A chain is tested one segment (child) at a time.
        for (int32 child = 0; child < shape->GetChildCount(); ++child) {
            if (b2TestOverlap(&square_, 0, shape, child, identity, bodyTransform)) {
                out_.push_back(component);
                break;
            }
        }
        return true;
    }

private:
    const b2PolygonShape& square_;
    std::vector<B2FixtureComponent*>& out_;
};

}  // namespace

void QueryFixturesInSquare(std::vector<B2FixtureComponent*>& out, float halfSize, float centreX, float centreY) {
    if (Engine::World != nullptr) {
        QueryFixturesInSquare(*Engine::World, out, halfSize, {centreX, centreY});
    }
}

void QueryFixturesInSquare(b2World& world, std::vector<B2FixtureComponent*>& out, float halfSize, Vector2 centre) {
    if (!(halfSize >= b2_linearSlop)) {
        return;  // Box2D cannot build a polygon that small (its welding would end the process)
    }
    const b2Vec2 corners[4] = {{centre.x - halfSize, centre.y - halfSize},
                               {centre.x + halfSize, centre.y - halfSize},
                               {centre.x + halfSize, centre.y + halfSize},
                               {centre.x - halfSize, centre.y + halfSize}};
    b2PolygonShape square;
    square.Set(corners, 4);
    b2AABB box;
    box.lowerBound = corners[0];
    box.upperBound = corners[2];
    AabbQueryCallback callback(square, out);
    world.QueryAABB(&callback, box);
}

std::vector<B2FixtureComponent*> QueryFixturesNearPoint(b2World& world, Vector2 point, float reach) {
    b2AABB box;
    box.lowerBound.Set(point.x - reach, point.y - reach);
    box.upperBound.Set(point.x + reach, point.y + reach);
    MouseQueryCallback callback;
    world.QueryAABB(&callback, box);
    return std::move(callback.Found);
}
