#include "graphics/FramePasses.h"

#include "core/Color.h"
#include "core/Engine.h"
#include "graphics/BatchFingerprint.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsDevice.h"
#include "graphics/TextureManager.h"
#include "platform/Window.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

namespace {

constexpr Color kWhite{255, 255, 255, 255};

using Program = GraphicsDevice::Program;
using StageFilter = GraphicsDevice::StageFilter;

}  // namespace

void FramePasses::Render(const GameObject* root) {
    root_ = root;
    ResizeCells();
    device_.PassTimes.BeginFrame();
    Timed("survey", &FramePasses::Survey);
    Timed("background", &FramePasses::DrawBackground);
    Timed("lit", &FramePasses::DrawLitLayers);
    Timed("shadow", &FramePasses::DrawShadow);
    Timed("mask", &FramePasses::DrawMask);
    Timed("lights", &FramePasses::DrawLights);
    Timed("plain", &FramePasses::DrawPlainLayers);
    if (graphics_.ShowPhysics) {
        Timed("physics", &FramePasses::DrawPhysicsView);
    }
    Timed("overlays", &FramePasses::DrawOverlays);
    if (device_.StatsOverlayDraw) {
        Timed("stats", &FramePasses::DrawStatsOverlay);
    }
    Timed("present", &FramePasses::Present);
    for (int unit = 4; unit >= 0; --unit) {
        device_.BindImage(unit, 0);
    }
    root_ = nullptr;
}

void FramePasses::ResizeCells() {
    if (sceneDirty_.Columns() * ScreenTiles::kCell >= graphics_.Width &&
        sceneDirty_.Rows() * ScreenTiles::kCell >= graphics_.Height) {
        return;
    }
    for (ScreenTiles* tiles : {&backgroundLit_, &foregroundLit_, &opaque_, &shadow_, &sceneDirty_, &foregroundDirty_}) {
        tiles->Resize(graphics_.Width, graphics_.Height);
    }
    cover_.Resize(graphics_.Width, graphics_.Height);
    damage_.Resize(graphics_.Width, graphics_.Height);
    sceneDirty_.Fill();
    foregroundDirty_.Fill();
}

void FramePasses::Timed(const char* name, void (FramePasses::*pass)()) {
    device_.PassTimes.Begin(name);
    (this->*pass)();
    device_.PassTimes.End();
}

// The batches are made in the order the passes draw them, so each object's depth is
// the one it would get drawn pass by pass.
void FramePasses::Survey() {
    damage_.BeginFrame();
    device_.Batch.DepthCounter = 1.0f;
    CellFingerprints& scene = damage_.ScenePrints();
    CellFingerprints& screen = damage_.ScreenPrints();
    const Camera2d& world = graphics_.WorldCamera;
    const Camera2d& ui = graphics_.ScreenCamera;
    Build(kBackground, DrawLayer::Background, world, screen);
    Build(kBackgroundLit, DrawLayer::BackgroundLit, world, scene);
    // The shadow reads the foreground as far as its spread (and a texel of filtering).
    const float spread = std::fabs(graphics_.ShadowSpread);
    Build(kForegroundLit, DrawLayer::ForegroundLit, world, scene, std::min(std::ceil(spread) + 2.0f, 4096.0f));
    scene.FoldAll(std::uint64_t{std::bit_cast<std::uint32_t>(graphics_.ShadowSpread)} << 32 |
                  std::bit_cast<std::uint32_t>(graphics_.ShadowDarkness));
    shadowDepth_ = TakeFullScreenDepth();
    maskDepth_ = TakeFullScreenDepth();
    Build(kLights, DrawLayer::SpriteLights, world, screen);
    Build(kForegroundAdd, DrawLayer::ForegroundAdd, world, screen);
    Build(kForeground, DrawLayer::Foreground, world, screen);
    Build(kUi, DrawLayer::Ui, ui, screen);
    Build(kEditorSelection, DrawLayer::EditorSelection, world, screen);
    Build(kEditor, DrawLayer::Editor, ui, screen);
    Build(kEditorText, DrawLayer::EditorText, ui, screen);
    Build(kEditor2, DrawLayer::Editor2, ui, screen);
    Build(kEditorText2, DrawLayer::EditorText2, ui, screen);
    screen.FoldAll(graphics_.BackgroundColor.ToArgb());
    // A new window size or a fullscreen switch: the frame is drawn whole again.
    if (const Window* window = graphics_.MainWindow.get()) {
        screen.FoldAll(static_cast<std::uint64_t>(window->ClientWidth()) << 32 |
                       static_cast<std::uint32_t>(window->ClientHeight()));
    }
    // What is drawn by callbacks, and an oversized shadow, cannot be accounted for.
    const bool unaccounted = graphics_.ShowPhysics || device_.StatsOverlayDraw || !(spread < 4096.0f);
    const bool tracking = device_.PassSavings && device_.DamageTracking;
    damage_.Decide(!tracking || unaccounted);
    ChooseScreen(tracking);
}

// A screen drawn whole anyway needs no kept copy: drawn in the window, it saves
// copying one there. The kept copy then misses that frame, so the next frame that
// would draw less draws the whole screen into it again.
void FramePasses::ChooseScreen(bool tracking) {
    const bool wasInWindow = inWindow_;
    inWindow_ = tracking && device_.WholeFramesInWindow && damage_.ScreenScissors() == nullptr &&
                device_.CanDrawInWindow();
    if (wasInWindow && !inWindow_) {
        damage_.DrawScreenWhole();
    }
}

void FramePasses::BindScreen() {
    if (inWindow_) {
        device_.BindWindow();
    } else {
        device_.BindTarget(RenderTargets::Binding::BackBuffer);
    }
}

void FramePasses::Build(Slot slot, DrawLayer layer, const Camera2d& camera, CellFingerprints& prints, float grow) {
    device_.SetCamera(camera);
    device_.BeginBatch();
    device_.DrawTree(root_, LayerBit(layer), kWhite, Vector2());
    // A reloaded texture may keep its GL names: its bank's generation tells.
    const std::uint64_t textures = Engine::TextureManager != nullptr ? Engine::TextureManager->Generation() : 0;
    const std::uint64_t salt = CellFingerprints::Mix(static_cast<std::uint64_t>(slot) + 1, textures);
    if (device_.CameraCanDraw()) {
        FoldBatch(device_.Batch, device_.Mapping(), salt, grow, prints);
    }
    SwapIn(slot);
}

float FramePasses::TakeFullScreenDepth() {
    const float taken = device_.Batch.DepthCounter;
    device_.Batch.StepDepth();
    return taken;
}

void FramePasses::SwapIn(Slot slot) {
    const float depth = device_.Batch.DepthCounter;
    std::swap(device_.Batch, kept_[slot]);
    device_.Batch.DepthCounter = depth;
}

void FramePasses::DrawKept(Slot slot, const std::vector<PixelRect>* scissors) {
    SwapIn(slot);
    device_.EndBatch(scissors);
    SwapIn(slot);
}

void FramePasses::DrawBackground() {
    device_.BindTarget(RenderTargets::Binding::BackBuffer);
    SetClearValues();
    if (inWindow_) {
        ClearWindow();
    } else {
        ClearBackBuffer();
    }
    device_.UseProgram(Program::Sprite);
    glEnable(GL_BLEND);
    glBlendEquation(GL_FUNC_ADD);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_CULL_FACE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    device_.ResetStageFilters();

    device_.SetCamera(graphics_.WorldCamera);
    DrawKept(kBackground, damage_.ScreenScissors());
}

void FramePasses::SetClearValues() {
    const Color& c = graphics_.BackgroundColor;
    glClearColor(c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, c.a / 255.0f);
    glClearDepth(1.0);
    glClearStencil(0);
    glDepthMask(GL_TRUE);
}

// The window's depth is its own, cleared with it. The back buffer's, still bound, is
// the G-buffer's too: it is cleared as a whole frame clears it.
void FramePasses::ClearWindow() {
    if (device_.DepthWritten) {
        glClear(GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        device_.DepthWritten = false;
    }
    BindScreen();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}

void FramePasses::ClearBackBuffer() {
    if (const std::vector<PixelRect>* scissors = damage_.ScreenScissors()) {
        // Cells drawn again start as a full frame does; depth written in cells not
        // drawn since is no longer tracked, so it is cleared every time.
        device_.ForEachScissor(*scissors, [] { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT); });
        device_.DepthWritten = false;
        return;
    }
    // Depth is written only by batches of several groups: without one since the last
    // clear, the buffer is still clear.
    GLbitfield clear = GL_COLOR_BUFFER_BIT;
    if (device_.DepthWritten || !device_.PassSavings) {
        clear |= GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT;
        device_.DepthWritten = false;
    }
    glClear(clear);
}

void FramePasses::DrawLitLayers() {
    // From here on every target's alpha keeps the largest coverage drawn into it.
    glBlendEquationSeparate(GL_FUNC_ADD, GL_MAX);
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_SRC_ALPHA, GL_DST_ALPHA);
    device_.UseProgram(Program::Lit);
    device_.DrawOpaqueUnblended = true;

    // What the batch covers decides what needs clearing.
    SwapIn(kBackgroundLit);
    backgroundLitDrawn_ = device_.Batch.GroupCount() > 0;
    backgroundLit_.Clear();
    cover_.Clear();
    device_.MarkBatchCoverage(backgroundLit_, &cover_);
    cover_.FullCells(opaque_);
    ClearLitTargets();
    device_.EndBatch(damage_.SceneScissors());
    SwapIn(kBackgroundLit);

    RenderTargets& targets = device_.Targets;
    device_.BindTarget(RenderTargets::Binding::ForegroundLit);
    SwapIn(kForegroundLit);
    foregroundLitDrawn_ = device_.Batch.GroupCount() > 0;
    foregroundLit_.Clear();
    // The shadow reaches its spread (and a texel of filtering) beyond the foreground.
    shadow_.Clear();
    const float spread = std::fabs(graphics_.ShadowSpread);
    device_.MarkBatchCoverage(foregroundLit_, nullptr, &shadow_, std::min(std::ceil(spread) + 2.0f, 4096.0f));
    if (!(spread < 4096.0f) && foregroundLitDrawn_) {
        shadow_.Fill();
    }
    device_.EndBatch(damage_.SceneScissors());
    SwapIn(kForegroundLit);
    device_.DrawOpaqueUnblended = false;
    targets.GBufferClear = !backgroundLitDrawn_ && !foregroundLitDrawn_;
}

// Leaves the background's targets bound.
void FramePasses::ClearLitTargets() {
    RenderTargets& targets = device_.Targets;
    const auto clearScene = [] {
        for (int target = 0; target < 3; ++target) {
            RenderTargets::ClearToTransparent(target);
        }
    };
    if (!device_.PassSavings) {
        // Targets still clear from a frame without lit sprites need no clearing.
        device_.BindTarget(RenderTargets::Binding::ForegroundLit);
        if (!targets.GBufferClear) {
            RenderTargets::ClearToTransparent(0);
        }
        device_.BindTarget(RenderTargets::Binding::BackgroundLit);
        if (!targets.GBufferClear) {
            clearScene();
        }
        return;
    }
    device_.BindTarget(RenderTargets::Binding::ForegroundLit);
    ScreenTiles foreground = foregroundDirty_;
    damage_.LimitToScene(foreground);
    device_.ForEachScissor(foreground.Rects(), [] { RenderTargets::ClearToTransparent(0); });
    device_.BindTarget(RenderTargets::Binding::BackgroundLit);
    // An opaque sprite replaces all three targets' pixels, whatever they held.
    ScreenTiles scene = sceneDirty_;
    scene.Remove(opaque_);
    damage_.LimitToScene(scene);
    device_.ForEachScissor(scene.Rects(), clearScene);
}

// Over an empty foreground the shadow adds nothing, and over empty lit targets the
// mask darkens nothing: both are skipped then, the picture is the same.
void FramePasses::DrawShadow() {
    RenderTargets& targets = device_.Targets;
    if (foregroundLitDrawn_) {
        device_.BindTarget(RenderTargets::Binding::Shadow);
        const ShaderProgram& shadow = device_.UseProgram(Program::Shadow);
        shadow.SetVector("g_Spread", graphics_.ShadowSpread / static_cast<float>(graphics_.Width),
                         graphics_.ShadowSpread / static_cast<float>(graphics_.Height));
        shadow.SetFloat("g_Darkness", graphics_.ShadowDarkness);
        ScreenTiles cells = shadow_;
        damage_.LimitToScene(cells);
        const std::vector<PixelRect> rects = cells.Rects();
        device_.Batch.DepthCounter = shadowDepth_;
        device_.DrawFullScreen(targets.ForegroundColorTarget, kWhite, device_.PassSavings ? &rects : nullptr);
    } else {
        shadow_.Clear();
    }
    // What the next frame finds in the targets: where this frame drew, and elsewhere
    // what an earlier frame drew for the same quads.
    sceneDirty_ = backgroundLit_;
    sceneDirty_.Add(foregroundLit_);
    sceneDirty_.Add(shadow_);
    foregroundDirty_ = foregroundLit_;
}

void FramePasses::DrawMask() {
    RenderTargets& targets = device_.Targets;
    BindScreen();
    if (!backgroundLitDrawn_ && !foregroundLitDrawn_) {
        return;
    }
    device_.UseProgram(Program::Mask);
    device_.Batch.DepthCounter = maskDepth_;
    if (!device_.PassSavings) {
        device_.DrawFullScreen(targets.SceneExtrasTarget, Color(0, 0, 0, 255));
        return;
    }
    ClearMaskedToBlack();
    ScreenTiles lit = backgroundLit_;
    lit.Add(foregroundLit_);
    lit.Remove(opaque_);
    damage_.LimitToScreen(lit);
    const std::vector<PixelRect> rects = lit.Rects();
    device_.DrawFullScreen(targets.SceneExtrasTarget, Color(0, 0, 0, 255), &rects, true);
}

// Under a coverage of one the mask leaves black, whatever the back buffer held.
void FramePasses::ClearMaskedToBlack() {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    ScreenTiles cells = opaque_;
    damage_.LimitToScreen(cells);
    device_.ForEachScissor(cells.Rects(), [] { glClear(GL_COLOR_BUFFER_BIT); });
}

void FramePasses::DrawLights() {
    device_.BindGBufferImages();
    device_.UseProgram(Program::Light);
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE, GL_SRC_ALPHA, GL_DST_ALPHA);
    device_.SetCamera(graphics_.WorldCamera);
    SwapIn(kLights);
    device_.DrawLightBatch(damage_.ScreenScissors());
    SwapIn(kLights);
}

void FramePasses::DrawPlainLayers() {
    device_.BindImage(2, 0);
    device_.BindImage(3, 0);
    device_.UseProgram(Program::Sprite);
    device_.SetCamera(graphics_.WorldCamera);
    DrawKept(kForegroundAdd, damage_.ScreenScissors());
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_SRC_ALPHA, GL_DST_ALPHA);
    DrawKept(kForeground, damage_.ScreenScissors());
}

void FramePasses::DrawPhysicsView() {
    if (!graphics_.ShowPhysics) {
        return;
    }
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    device_.DepthWritten = true;
    device_.BindImage(0, device_.EditorImage());
    if (device_.PhysicsDebugDraw) {
        device_.PhysicsDebugDraw();
    }
}

void FramePasses::DrawOverlays() {
    const std::vector<PixelRect>* scissors = damage_.ScreenScissors();
    device_.SetStage0Filter(StageFilter::Point);
    device_.SetCamera(graphics_.ScreenCamera);
    DrawKept(kUi, scissors);

    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    device_.SetCamera(graphics_.WorldCamera);
    DrawKept(kEditorSelection, scissors);
    device_.SetCamera(graphics_.ScreenCamera);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);

    device_.SetStage0Filter(StageFilter::Linear);
    DrawKept(kEditor, scissors);
    device_.SetStage0Filter(StageFilter::Point);
    DrawKept(kEditorText, scissors);
    device_.SetStage0Filter(StageFilter::Linear);
    DrawKept(kEditor2, scissors);
    device_.SetStage0Filter(StageFilter::Point);
    DrawKept(kEditorText2, scissors);
}

// Over everything else, whatever the depth buffer holds; the next frame's passes
// expect the depth test on.
void FramePasses::DrawStatsOverlay() {
    glDisable(GL_DEPTH_TEST);
    device_.SetStage0Filter(StageFilter::Point);
    device_.SetCamera(graphics_.ScreenCamera);
    device_.StatsOverlayDraw();
    glEnable(GL_DEPTH_TEST);
}

void FramePasses::Present() {
    device_.Present(inWindow_);
}
