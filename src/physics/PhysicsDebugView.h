#pragma once

class GraphicsDevice;

// The frame pipeline's physics view: the world's shapes (shapes only, no joints or
// boxes), then the shape editor's edit points, as line strips of `device`. Draws
// nothing before the world and its drawer exist.
void DrawPhysicsDebugView(GraphicsDevice& device);
