#pragma once

#include "core/DrawLayer.h"

class GameObject;
class Graphics;
class GraphicsDevice;

// The fixed sequence of passes that makes one frame from the scene tree, with the
// render state each pass sets: plain background, the lit layers into the G-buffer,
// shadow and mask, light sprites, plain foreground, the physics view, interface and
// editor overlays, the statistics overlay when shown, then present. Every GL object
// it uses belongs to the device; the device's PassTimer times each pass by name.
class FramePasses {
public:
    FramePasses(GraphicsDevice& device, const Graphics& graphics) : device_(device), graphics_(graphics) {}
    FramePasses(const FramePasses&) = delete;
    FramePasses& operator=(const FramePasses&) = delete;

    void Render(const GameObject* root);

private:
    void DrawBackground();
    void DrawLitLayers();
    // One pass, timed under `name` when pass timing is on.
    void Timed(const char* name, void (FramePasses::*pass)());
    void DrawShadow();
    void DrawMask();
    // The full-screen object's step of depth, as if it had been drawn.
    void SkipFullScreen();
    void DrawLights();
    void DrawPlainLayers();
    void DrawPhysicsView();
    void DrawOverlays();
    void DrawStatsOverlay();
    void Present();
    // One batch of the tree for that layer; true when any quad was submitted.
    bool BatchLayer(DrawLayer layer);

    GraphicsDevice& device_;
    const Graphics& graphics_;
    const GameObject* root_ = nullptr;
    // What the lit passes drew this frame.
    bool backgroundLitDrawn_ = false;
    bool foregroundLitDrawn_ = false;
};
