#pragma once

#include "core/DrawLayer.h"
#include "graphics/OpaqueCover.h"
#include "graphics/ScreenTiles.h"

class GameObject;
class Graphics;
class GraphicsDevice;

// The fixed sequence of passes that makes one frame from the scene tree, with the
// render state each pass sets: plain background, the lit layers into the G-buffer,
// shadow and mask, light sprites, plain foreground, the physics view, interface and
// editor overlays, the statistics overlay when shown, then present. Every GL object
// it uses belongs to the device; the device's PassTimer times each pass by name.
//
// On a software rasteriser the full-screen passes cost most of the frame, so with
// the device's PassSavings on they skip the pixels they would not change: the cells
// of the screen the lit sprites touch are kept from frame to frame, the targets are
// cleared only where the last frame wrote and no opaque lit sprite covers them now,
// the shadow is drawn only near the foreground, and the mask clears to black where
// opaque lit sprites hide the background and runs only where lit sprites are.
class FramePasses {
public:
    FramePasses(GraphicsDevice& device, const Graphics& graphics) : device_(device), graphics_(graphics) {}
    FramePasses(const FramePasses&) = delete;
    FramePasses& operator=(const FramePasses&) = delete;

    void Render(const GameObject* root);

private:
    void DrawBackground();
    void DrawLitLayers();
    // Clears the G-buffer targets before the lit layers draw into them.
    void ClearLitTargets();
    void ClearMaskedToBlack();
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

    // Cells of the screen, this frame: what each lit layer touched, where opaque lit
    // background sprites cover every pixel, and where the shadow ran.
    ScreenTiles backgroundLit_;
    ScreenTiles foregroundLit_;
    ScreenTiles opaque_;
    ScreenTiles shadow_;
    OpaqueCover cover_;
    // Cells whose scene targets (colour, normal, extras) or foreground colour target
    // may hold something other than transparent black; all at first.
    ScreenTiles sceneDirty_;
    ScreenTiles foregroundDirty_;
};
