#pragma once

#include "core/Color.h"
#include "core/Rect.h"
#include "core/Vector2.h"
#include "graphics/Camera2d.h"
#include "graphics/EditorTextureCache.h"
#include "graphics/FramePasses.h"
#include "graphics/Image.h"
#include "graphics/PassTimer.h"
#include "graphics/RenderTargets.h"
#include "graphics/ScreenMapping.h"
#include "graphics/ScreenTiles.h"
#include "graphics/ShaderProgram.h"
#include "graphics/SpriteBatch.h"
#include "graphics/Texture.h"

#include <functional>
#include <memory>
#include <string>

class GameObject;
class Graphics;
class OpaqueCover;
class SpriteComponent;
class Window;

// The OpenGL side of the frame: shaders, samplers, the off-screen back buffer and
// G-buffer, the sprite batcher's buffers, and the drawing operations the passes are
// made of. The order of the passes is FramePasses'. Created with the Graphics
// record; the GL objects exist between InitGraphicsDevice and
// ReleaseGraphicsDevice, with the window's context current.
class GraphicsDevice {
public:
    explicit GraphicsDevice(Graphics& graphics);
    ~GraphicsDevice();
    GraphicsDevice(const GraphicsDevice&) = delete;
    GraphicsDevice& operator=(const GraphicsDevice&) = delete;

    void InitGraphicsDevice();
    // Draws every pass of one frame from `root` and presents it to the window.
    void RenderFrame(GameObject* root) { passes_.Render(root); }
    // The last frame was drawn straight into the window (see WholeFramesInWindow).
    bool LastFrameInWindow() const { return passes_.DrewInWindow(); }
    void ReleaseGraphicsDevice();
    bool IsInitialized() const { return vertexArray_ != 0; }

    // Makes a camera current: viewport, shader constants, flip flags. A camera with
    // a zero size draws nothing until another camera is set.
    void SetCamera(const Camera2d& camera);

    void BeginBatch() { Batch.BeginBatch(); }
    void AddQuad(const Texture* texture, Rect uv, float rotation, Color colour, Vector2 size, Vector2 origin,
                 Vector2 position) {
        Batch.AddQuad(texture, uv, rotation, colour, size, origin, position);
    }
    // Draws the batch's groups in order of first use, each in chunks of QuadCapacity;
    // with `scissors`, each draw once inside each of those rectangles.
    void EndBatch(const std::vector<PixelRect>* scissors = nullptr);
    void DrawTree(const GameObject* object, unsigned layerMask, Color colour, Vector2 parentOffset) {
        Batch.DrawTree(object, layerMask, colour, parentOffset);
    }
    // Draws the batch as the light sprites' batch: lights whose image is a single
    // point are drawn apart with their texels read once a vertex. Lights add up, so
    // their order only matters between groups, where the depth test restores it:
    // with several groups the batch is drawn as it is. Changes the batch.
    void DrawLightBatch(const std::vector<PixelRect>* scissors);

    // Draws `image` (a texture of the device) over the whole back buffer with the
    // current shaders and blend state; with `scissors`, only inside those rectangles.
    // Sampled with clamp-to-edge addressing when the pass never reads past the image.
    void DrawFullScreen(unsigned image, Color colour, const std::vector<PixelRect>* scissors = nullptr,
                        bool clampToEdge = false);
    // Marks the cells the current batch's quads may touch under the current camera,
    // into `opaque` the pixels covered by opaque quads of its first group (the one no
    // other group of the batch can hide from the targets' previous content), and into
    // `near` the cells within `nearPixels` of a quad.
    // Where the current camera puts vertices on the back buffer.
    ScreenMapping Mapping() const { return ScreenMapping{camera_, viewport_}; }
    bool CameraCanDraw() const { return cameraCanDraw_; }
    void MarkBatchCoverage(ScreenTiles& touched, OpaqueCover* opaque, ScreenTiles* near = nullptr,
                           float nearPixels = 0.0f) const;
    // Clears or draws inside each rectangle, in GL's bottom-up scissor coordinates.
    void ForEachScissor(const std::vector<PixelRect>& rects, const std::function<void()>& draw) const;
    // An immediate line strip of at most 99 points through the "1PixelWhite" image
    // of the "Editor" texture; closed adds the first point again.
    void DrawLineStrip(const Vector2* points, int count, Color colour, bool closed);

    // The programs the passes choose from.
    enum class Program { Sprite, Lit, Shadow, Mask, Light, LightConst };
    // Makes `program` current with the current camera's constants; returned for the
    // pass's own constants.
    const ShaderProgram& UseProgram(Program program);
    // Stage 0's filter for the batches that follow (stage 1 always filters linearly).
    enum class StageFilter { Linear, Point };
    void SetStage0Filter(StageFilter filter);
    // Both stages linear, as each frame starts.
    void ResetStageFilters();
    void BindImage(int unit, unsigned image);
    // Makes one of the off-screen targets, or the window's own framebuffer, the one
    // drawn into, with the current camera's viewport.
    void BindTarget(RenderTargets::Binding binding);
    void BindWindow();
    // The G-buffer on stages 2 to 4 (scene colour, normal, extras), point sampled.
    void BindGBufferImages();
    // The colour image of the "Editor" texture, 0 while no bank has one.
    unsigned EditorImage();

    // Shows the frame and swaps; nothing without a window. A frame drawn into the
    // back buffer is copied to the window first; `drawnInWindow` says it was drawn
    // straight into the window's own framebuffer.
    void Present(bool drawnInWindow);
    // A frame can be drawn straight into the window: it has the back buffer's size and
    // depth format, and it rasterises as the off-screen targets do (they are stored
    // top row first, as the window is).
    bool CanDrawInWindow() const;
    // The back buffer as it is now, top row first, opaque.
    Image ReadBackBuffer() const;

    // Draws the physics debug view when Graphics::ShowPhysics is on (the depth buffer
    // cleared, the "Editor" texture on stage 0, the world camera current).
    std::function<void()> PhysicsDebugDraw;
    // Draws the frame statistics overlay after the editor layers, with the screen
    // camera, the sprite program and the depth test off; empty while it is hidden.
    std::function<void()> StatsOverlayDraw;
    // Times the passes while frame statistics are on; off it costs nothing.
    PassTimer PassTimes;
    // The passes skip the pixels they would leave as they are, and blend only where it
    // can change a pixel: the same picture, less work. Off, every pass covers the whole
    // frame (what the pixel-identity tests compare against).
    bool PassSavings = true;
    // With the savings on, the frame is kept and only the cells whose picture can have
    // changed are drawn again; off, every frame is drawn whole (`--full-redraw`).
    bool DamageTracking = true;
    // A frame drawn whole anyway is drawn straight into the window, which saves the
    // copy; the kept back buffer then misses it, and the next frame with less damage
    // is drawn whole into it again. Only with damage tracking on. A program that
    // reads the back buffer after a frame leaves this off, or reads FrameCapture.
    bool WholeFramesInWindow = false;
    // When set, the finished frame is read into it before the swap, wherever it was
    // drawn (a screenshot, the pixel-identity tests).
    Image* FrameCapture = nullptr;
    // Groups of opaque quads are drawn without blending; only right for the "over"
    // blend, where an opaque source replaces the target whatever it held.
    bool DrawOpaqueUnblended = false;
    // Some batch drew with the depth test (and so wrote depth) since this was cleared.
    bool DepthWritten = true;

    SpriteBatch Batch;
    RenderTargets Targets;

private:
    void CreateShaders();
    void CreateBuffers();
    void CreateSamplers();
    // glViewport and glScissor count rows from the bottom of the window but from the
    // top of a target stored top row first; `top` counts from the top.
    int GlRow(int top, int height) const;
    void ApplyViewport() const;
    void DrawIntoTopDown(bool topDown);
    void CopyBackBufferToWindow(const Window& window) const;
    // A framebuffer's colour, top row first, opaque.
    Image ReadFramebuffer(unsigned framebuffer) const;
    void UseProgram(const ShaderProgram& program);
    // Texture filters as sampler objects, each with and without a mip filter. A group
    // drawn at no less than its texel size reads the top level either way; the plain
    // sampler spares software rasterisers the level selection.
    struct Filter {
        unsigned mip = 0;
        unsigned plain = 0;
    };
    void SetStage0Filter(const Filter& filter);
    void BindGroupFilters(bool minified);
    void UploadIndices(int quads);
    // Draws `count` quads of the uploaded chunk starting at `quads`.
    void DrawElements(const SpriteVertex* quads, int count, const std::vector<PixelRect>* scissors);

    Graphics& graphics_;
    FramePasses passes_;
    ShaderProgram spriteProgram_;
    ShaderProgram litProgram_;
    ShaderProgram shadowProgram_;
    ShaderProgram maskProgram_;
    ShaderProgram lightProgram_;
    ShaderProgram lightConstProgram_;
    const ShaderProgram* currentProgram_ = nullptr;
    CameraConstants camera_{};
    bool cameraCanDraw_ = true;

    unsigned vertexArray_ = 0;
    unsigned vertexBuffer_ = 0;
    unsigned indexBuffer_ = 0;
    // Per scissor rectangle, the indices of the quads that reach it, one after another.
    unsigned cullIndexBuffer_ = 0;
    int indexedQuads_ = 0;
    Filter linear_;
    Filter point_;
    const Filter* stage0Filter_ = &linear_;
    // Without a border colour: for reads that never fall outside the image.
    unsigned pointClamp_ = 0;
    unsigned linearClamp_ = 0;
    // Replaces stage 0's sampler for the next EndBatch; 0 = the group's filter.
    unsigned stage0Override_ = 0;
    // The current camera's viewport in back-buffer pixels, from the top-left.
    Rect viewport_;

    // Full-screen draws: a camera of one unit per pixel centred on the back buffer,
    // and a hidden object whose sprite shows the lent image.
    Camera2d deviceCamera_;
    Texture fullScreenTexture_;
    SpriteComponent* fullScreenSprite_ = nullptr;
    // The off-screen targets are stored top row first (the driver has clip control).
    bool targetsTopDown_ = false;
    // The framebuffer drawn into now counts its rows from the top.
    bool drawingTopDown_ = false;
    std::unique_ptr<GameObject> fullScreenObject_;
    EditorTextureCache editorTexture_;
};
