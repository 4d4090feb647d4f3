#include "graphics/FramePasses.h"

#include "graphics/Graphics.h"
#include "graphics/GraphicsDevice.h"

#include <epoxy/gl.h>

#include <algorithm>

namespace {

constexpr Color kWhite{255, 255, 255, 255};

using Program = GraphicsDevice::Program;
using StageFilter = GraphicsDevice::StageFilter;

}  // namespace

void FramePasses::Render(const GameObject* root) {
    root_ = root;
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
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
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

    // Targets still clear from a frame without lit sprites need no clearing.
    RenderTargets& targets = device_.Targets;
    targets.Bind(RenderTargets::Binding::ForegroundLit);
    if (!targets.GBufferClear) {
        RenderTargets::ClearToTransparent(0);
    }
    targets.Bind(RenderTargets::Binding::BackgroundLit);
    if (!targets.GBufferClear) {
        for (int target = 0; target < 3; ++target) {
            RenderTargets::ClearToTransparent(target);
        }
    }
    backgroundLitDrawn_ = BatchLayer(DrawLayer::BackgroundLit);

    targets.Bind(RenderTargets::Binding::ForegroundLit);
    foregroundLitDrawn_ = BatchLayer(DrawLayer::ForegroundLit);
    targets.GBufferClear = !backgroundLitDrawn_ && !foregroundLitDrawn_;
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
        device_.DrawFullScreen(targets.ForegroundColorTarget, kWhite);
    } else {
        SkipFullScreen();
    }
}

void FramePasses::DrawMask() {
    RenderTargets& targets = device_.Targets;
    targets.Bind(RenderTargets::Binding::BackBuffer);
    if (backgroundLitDrawn_ || foregroundLitDrawn_) {
        device_.UseProgram(Program::Mask);
        device_.DrawFullScreen(targets.SceneExtrasTarget, Color(0, 0, 0, 255));
    } else {
        SkipFullScreen();
    }
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
    BatchLayer(DrawLayer::SpriteLights);
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
