#include "physics/PhysicsDebugView.h"

#include "core/Engine.h"
#include "graphics/GraphicsDevice.h"
#include "physics/B2DebugDrawer.h"

#include <box2d/b2_world.h>

void DrawPhysicsDebugView(GraphicsDevice& device) {
    if (Engine::World == nullptr || Engine::DebugDrawer == nullptr) {
        return;
    }
    B2DebugDrawer& drawer = *Engine::DebugDrawer;
    drawer.LineStrip = [&device](const Vector2* points, int count, Color colour, bool closed) {
        device.DrawLineStrip(points, count, colour, closed);
    };
    drawer.SetFlags(b2Draw::e_shapeBit);
    Engine::World->DebugDraw();
    drawer.DrawEditPoints();
}
