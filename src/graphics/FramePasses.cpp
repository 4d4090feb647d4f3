#include "graphics/FramePasses.h"

#include "graphics/Graphics.h"
#include "graphics/GraphicsDevice.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr Color kWhite{255, 255, 255, 255};

using Program = GraphicsDevice::Program;
using StageFilter = GraphicsDevice::StageFilter;

}  // namespace

void FramePasses::Render(const GameObject* root) {
    root_ = root;
    if (sceneDirty_.Columns() * ScreenTiles::kCell < graphics_.Width ||
        sceneDirty_.Rows() * ScreenTiles::kCell < graphics_.Height) {
        for (ScreenTiles* tiles :
             {&backgroundLit_, &foregroundLit_, &opaque_, &shadow_, &sceneDirty_, &foregroundDirty_}) {
            tiles->Resize(graphics_.Width, graphics_.Height);
        }
        cover_.Resize(graphics_.Width, graphics_.Height);
        sceneDirty_.Fill();
        foregroundDirty_.Fill();
    }
    device_.PassTimes.BeginFrame();
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

void FramePasses::Timed(const char* name, void (FramePasses::*pass)()) {
    device_.PassTimes.Begin(name);
    (this->*pass)();
    device_.PassTimes.End();
}

bool FramePasses::BatchLayer(DrawLayer layer) {
    return device_.DrawLayerBatch(root_, LayerBit(layer));
}

void FramePasses::DrawBackground() {
    device_.Targets.Bind(RenderTargets::Binding::BackBuffer);
    const Color& c = graphics_.BackgroundColor;
    glClearColor(c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, c.a / 255.0f);
    glClearDepth(1.0);
    glClearStencil(0);
    glDepthMask(GL_TRUE);
    // Depth is written only by batches of several groups: without one since the last
    // clear, the buffer is still clear.
    GLbitfield clear = GL_COLOR_BUFFER_BIT;
    if (device_.DepthWritten || !device_.PassSavings) {
        clear |= GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT;
        device_.DepthWritten = false;
    }
    glClear(clear);
    device_.Batch.DepthCounter = 1.0f;

    device_.UseProgram(Program::Sprite);
    glEnable(GL_BLEND);
    glBlendEquation(GL_FUNC_ADD);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_CULL_FACE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    device_.ResetStageFilters();

    device_.SetCamera(graphics_.WorldCamera);
    BatchLayer(DrawLayer::Background);
}

void FramePasses::DrawLitLayers() {
    // From here on every target's alpha keeps the largest coverage drawn into it.
    glBlendEquationSeparate(GL_FUNC_ADD, GL_MAX);
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_SRC_ALPHA, GL_DST_ALPHA);
    device_.UseProgram(Program::Lit);
    device_.DrawOpaqueUnblended = true;

    // The batch is made first: what it covers decides what needs clearing.
    device_.BeginBatch();
    device_.DrawTree(root_, LayerBit(DrawLayer::BackgroundLit), kWhite, Vector2());
    backgroundLitDrawn_ = device_.Batch.GroupCount() > 0;
    backgroundLit_.Clear();
    cover_.Clear();
    device_.MarkBatchCoverage(backgroundLit_, &cover_);
    cover_.FullCells(opaque_);
    ClearLitTargets();
    device_.EndBatch();

    RenderTargets& targets = device_.Targets;
    targets.Bind(RenderTargets::Binding::ForegroundLit);
    device_.BeginBatch();
    device_.DrawTree(root_, LayerBit(DrawLayer::ForegroundLit), kWhite, Vector2());
    foregroundLitDrawn_ = device_.Batch.GroupCount() > 0;
    foregroundLit_.Clear();
    // The shadow reaches its spread (and a texel of filtering) beyond the foreground.
    shadow_.Clear();
    const float spread = std::fabs(graphics_.ShadowSpread);
    device_.MarkBatchCoverage(foregroundLit_, nullptr, &shadow_, std::min(std::ceil(spread) + 2.0f, 4096.0f));
    if (!(spread < 4096.0f) && foregroundLitDrawn_) {
        shadow_.Fill();
    }
    device_.EndBatch();
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
        targets.Bind(RenderTargets::Binding::ForegroundLit);
        if (!targets.GBufferClear) {
            RenderTargets::ClearToTransparent(0);
        }
        targets.Bind(RenderTargets::Binding::BackgroundLit);
        if (!targets.GBufferClear) {
            clearScene();
        }
        return;
    }
    targets.Bind(RenderTargets::Binding::ForegroundLit);
    device_.ForEachScissor(foregroundDirty_.Rects(), [] { RenderTargets::ClearToTransparent(0); });
    targets.Bind(RenderTargets::Binding::BackgroundLit);
    // An opaque sprite replaces all three targets' pixels, whatever they held.
    ScreenTiles scene = sceneDirty_;
    scene.Remove(opaque_);
    device_.ForEachScissor(scene.Rects(), clearScene);
}

// Over an empty foreground the shadow adds nothing, and over empty lit targets the
// mask darkens nothing: both are skipped then, the picture is the same.
void FramePasses::DrawShadow() {
    RenderTargets& targets = device_.Targets;
    if (foregroundLitDrawn_) {
        targets.Bind(RenderTargets::Binding::Shadow);
        const ShaderProgram& shadow = device_.UseProgram(Program::Shadow);
        shadow.SetVector("g_Spread", graphics_.ShadowSpread / static_cast<float>(graphics_.Width),
                         graphics_.ShadowSpread / static_cast<float>(graphics_.Height));
        shadow.SetFloat("g_Darkness", graphics_.ShadowDarkness);
        const std::vector<PixelRect> rects = shadow_.Rects();
        device_.DrawFullScreen(targets.ForegroundColorTarget, kWhite, device_.PassSavings ? &rects : nullptr);
    } else {
        shadow_.Clear();
        SkipFullScreen();
    }
    // What the next frame finds in the targets.
    sceneDirty_ = backgroundLit_;
    sceneDirty_.Add(foregroundLit_);
    sceneDirty_.Add(shadow_);
    foregroundDirty_ = foregroundLit_;
}

void FramePasses::DrawMask() {
    RenderTargets& targets = device_.Targets;
    targets.Bind(RenderTargets::Binding::BackBuffer);
    if (!backgroundLitDrawn_ && !foregroundLitDrawn_) {
        SkipFullScreen();
        return;
    }
    device_.UseProgram(Program::Mask);
    if (!device_.PassSavings) {
        device_.DrawFullScreen(targets.SceneExtrasTarget, Color(0, 0, 0, 255));
        return;
    }
    ClearMaskedToBlack();
    ScreenTiles lit = backgroundLit_;
    lit.Add(foregroundLit_);
    lit.Remove(opaque_);
    const std::vector<PixelRect> rects = lit.Rects();
    device_.DrawFullScreen(targets.SceneExtrasTarget, Color(0, 0, 0, 255), &rects, true);
}

// Under a coverage of one the mask leaves black, whatever the back buffer held.
void FramePasses::ClearMaskedToBlack() {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    device_.ForEachScissor(opaque_.Rects(), [] { glClear(GL_COLOR_BUFFER_BIT); });
}

void FramePasses::SkipFullScreen() {
    float& depth = device_.Batch.DepthCounter;
    depth = std::max(depth - 0.000001f, 0.0f);
}

void FramePasses::DrawLights() {
    device_.BindGBufferImages();
    device_.UseProgram(Program::Light);
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE, GL_SRC_ALPHA, GL_DST_ALPHA);
    device_.SetCamera(graphics_.WorldCamera);
    device_.DrawLightBatch(root_, LayerBit(DrawLayer::SpriteLights));
}

void FramePasses::DrawPlainLayers() {
    device_.BindImage(2, 0);
    device_.BindImage(3, 0);
    device_.UseProgram(Program::Sprite);
    device_.SetCamera(graphics_.WorldCamera);
    BatchLayer(DrawLayer::ForegroundAdd);
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_SRC_ALPHA, GL_DST_ALPHA);
    BatchLayer(DrawLayer::Foreground);
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
    device_.SetStage0Filter(StageFilter::Point);
    device_.SetCamera(graphics_.ScreenCamera);
    BatchLayer(DrawLayer::Ui);

    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    device_.SetCamera(graphics_.WorldCamera);
    BatchLayer(DrawLayer::EditorSelection);
    device_.SetCamera(graphics_.ScreenCamera);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);

    device_.SetStage0Filter(StageFilter::Linear);
    BatchLayer(DrawLayer::Editor);
    device_.SetStage0Filter(StageFilter::Point);
    BatchLayer(DrawLayer::EditorText);
    device_.SetStage0Filter(StageFilter::Linear);
    BatchLayer(DrawLayer::Editor2);
    device_.SetStage0Filter(StageFilter::Point);
    BatchLayer(DrawLayer::EditorText2);
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
    device_.Present();
}
