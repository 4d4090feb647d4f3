#pragma once

#include "core/DrawLayer.h"
#include "graphics/FrameDamage.h"
#include "graphics/OpaqueCover.h"
#include "graphics/ScreenTiles.h"
#include "graphics/SpriteBatch.h"

#include <array>

class Camera2d;
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
//
// With the device's DamageTracking on as well, the frame's targets are kept from one
// frame to the next and every pass draws only the cells whose picture can have
// changed (FrameDamage): a survey first makes every batch of the frame and folds its
// quads into per-cell fingerprints, then the passes draw the kept batches inside
// the changed cells. The present still copies the whole kept frame.
class FramePasses {
public:
    FramePasses(GraphicsDevice& device, const Graphics& graphics) : device_(device), graphics_(graphics) {}
    FramePasses(const FramePasses&) = delete;
    FramePasses& operator=(const FramePasses&) = delete;

    void Render(const GameObject* root);
    bool DrewInWindow() const { return inWindow_; }

private:
    // The batches of the frame, in the order they are drawn.
    enum Slot {
        kBackground, kBackgroundLit, kForegroundLit, kLights, kForegroundAdd, kForeground,
        kUi, kEditorSelection, kEditor, kEditorText, kEditor2, kEditorText2, kSlotCount
    };

    void ResizeCells();
    // Makes every batch of the frame and decides which cells to draw.
    void Survey();
    // Makes the slot's batch of the tree's `layer` under `camera` and folds it into
    // `prints`, its quads' areas widened by `grow` pixels.
    void Build(Slot slot, DrawLayer layer, const Camera2d& camera, CellFingerprints& prints, float grow = 0.0f);
    // The depth step of a full-screen pass, taken whether or not it draws.
    float TakeFullScreenDepth();
    // Draws the slot's kept batch with the current program and state, inside
    // `scissors` (all of the frame when null).
    void DrawKept(Slot slot, const std::vector<PixelRect>* scissors);
    // Swaps the slot's kept batch with the device's, the depth counter staying with
    // the device: the survey keeps each batch made this way, and the passes draw and
    // mark the device's batch.
    void SwapIn(Slot slot);

    void DrawBackground();
    void SetClearValues();
    void ClearBackBuffer();
    void ClearWindow();
    void ChooseScreen(bool tracking);
    // Binds the framebuffer this frame's screen passes draw into.
    void BindScreen();
    void DrawLitLayers();
    // Clears the G-buffer targets before the lit layers draw into them.
    void ClearLitTargets();
    void ClearMaskedToBlack();
    // One pass, timed under `name` when pass timing is on.
    void Timed(const char* name, void (FramePasses::*pass)());
    void DrawShadow();
    void DrawMask();
    void DrawLights();
    void DrawPlainLayers();
    void DrawPhysicsView();
    void DrawOverlays();
    void DrawStatsOverlay();
    void Present();

    GraphicsDevice& device_;
    const Graphics& graphics_;
    const GameObject* root_ = nullptr;
    std::array<SpriteBatch, kSlotCount> kept_;
    // The depth counter the shadow's and the mask's full-screen quads take.
    float shadowDepth_ = 1.0f;
    float maskDepth_ = 1.0f;
    FrameDamage damage_;
    // This frame's screen is drawn in the window, not the kept back buffer.
    bool inWindow_ = false;
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
