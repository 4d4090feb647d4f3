#include "graphics/GraphicsDevice.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "core/Letterbox.h"
#include "graphics/Graphics.h"
#include "graphics/OpaqueCover.h"
#include "graphics/ShaderSources.h"
#include "graphics/SpriteComponent.h"
#include "graphics/TextureManager.h"
#include "platform/Window.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace {

constexpr GLsizeiptr kVertexBufferBytes = 1048576;
constexpr Color kWhite{255, 255, 255, 255};
constexpr int kMaxLinePoints = 99;

GLuint CreateSampler(GLint minFilter, GLint magFilter, GLint wrap = GL_CLAMP_TO_BORDER) {
    GLuint sampler = 0;
    glGenSamplers(1, &sampler);
    glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER, minFilter);
    glSamplerParameteri(sampler, GL_TEXTURE_MAG_FILTER, magFilter);
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_S, wrap);
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_T, wrap);
    const GLfloat transparentBlack[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    glSamplerParameterfv(sampler, GL_TEXTURE_BORDER_COLOR, transparentBlack);
    return sampler;
}

void DescribeSpriteVertex() {
    const auto stride = static_cast<GLsizei>(sizeof(SpriteVertex));
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(SpriteVertex, x)));
    // The colour word is blue, green, red, alpha in memory.
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                          reinterpret_cast<void*>(offsetof(SpriteVertex, color)));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(SpriteVertex, u)));
    glEnableVertexAttribArray(3);
    glVertexAttribPointer(3, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<void*>(offsetof(SpriteVertex, cosine)));
}

}  // namespace

GraphicsDevice::GraphicsDevice(Graphics& graphics)
    : graphics_(graphics),
      passes_(*this, graphics),
      deviceCamera_(Vector2(), Vector2(static_cast<float>(graphics.Width), static_cast<float>(graphics.Height))),
      fullScreenObject_(std::make_unique<GameObject>()) {
    fullScreenTexture_.Size = Vector2(static_cast<float>(graphics.Width), static_cast<float>(graphics.Height));
    fullScreenSprite_ = new SpriteComponent();
    fullScreenSprite_->Layer = DrawLayer::Ui;
    fullScreenSprite_->Size = fullScreenTexture_.Size;
    fullScreenSprite_->SetTex(&fullScreenTexture_);
    fullScreenObject_->AddComponent(fullScreenSprite_);
}

GraphicsDevice::~GraphicsDevice() = default;

void GraphicsDevice::InitGraphicsDevice() {
    // Stored top row first, the targets rasterise exactly as the window does, so a
    // frame can go either way with the same pixels. Without clip control they are
    // stored as GL stores them, bottom row first, and frames go through the back buffer.
    targetsTopDown_ = epoxy_gl_version() >= 45 || epoxy_has_gl_extension("GL_ARB_clip_control");
    if (targetsTopDown_) {
        glClipControl(GL_UPPER_LEFT, GL_NEGATIVE_ONE_TO_ONE);
    }
    drawingTopDown_ = targetsTopDown_;
    // A target's top-left corner is v = 0 stored top row first, v = 1 bottom row first.
    fullScreenSprite_->ImageRect = targetsTopDown_ ? Rect(0.0f, 0.0f, 1.0f, 1.0f) : Rect(0.0f, 1.0f, 1.0f, -1.0f);
    CreateShaders();
    CreateBuffers();
    CreateSamplers();
    Targets.Create(graphics_.Width, graphics_.Height);
    // Sprite quads wind clockwise; a mirrored quad is the one that faces away.
    glFrontFace(GL_CW);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_TRUE);
}

void GraphicsDevice::CreateShaders() {
    spriteProgram_.Build("SpriteVS/SpritePS", SpriteVSSource, SpritePSSource);
    litProgram_.Build("SpriteVS/LitPS", SpriteVSSource, LitPSSource);
    shadowProgram_.Build("SpriteVS/ShadowPS", SpriteVSSource, ShadowPSSource);
    maskProgram_.Build("SpriteVS/MaskPS", SpriteVSSource, MaskPSSource);
    lightProgram_.Build("LightVS/LightPS", LightVSSource, LightPSSource);
    lightConstProgram_.Build("LightConstVS/LightConstPS", LightConstVSSource, LightConstPSSource);
    for (const ShaderProgram* program : {&spriteProgram_, &litProgram_, &shadowProgram_, &maskProgram_}) {
        program->Use();
        program->SetSampler("g_ColorSamp", 0);
        program->SetSampler("g_NormalSpecSamp", 1);
    }
    for (const ShaderProgram* program : {&lightProgram_, &lightConstProgram_}) {
        program->Use();
        program->SetFloat("g_TargetRowsDown", targetsTopDown_ ? 1.0f : 0.0f);
        program->SetSampler("g_LightColorSamp", 0);
        program->SetSampler("g_LightNormalSamp", 1);
        program->SetSampler("g_SceneColorSamp", 2);
        program->SetSampler("g_SceneNormalSamp", 3);
        program->SetSampler("g_SceneExtrasSamp", 4);
    }
    UseProgram(spriteProgram_);
}

void GraphicsDevice::CreateBuffers() {
    glGenVertexArrays(1, &vertexArray_);
    glBindVertexArray(vertexArray_);
    glGenBuffers(1, &vertexBuffer_);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    glBufferData(GL_ARRAY_BUFFER, kVertexBufferBytes, nullptr, GL_STREAM_DRAW);
    glGenBuffers(1, &cullIndexBuffer_);
    glGenBuffers(1, &indexBuffer_);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer_);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(SpriteBatch::QuadCapacity) * 12, nullptr,
                 GL_DYNAMIC_DRAW);
    DescribeSpriteVertex();
    indexedQuads_ = 0;
}

void GraphicsDevice::CreateSamplers() {
    linear_ = Filter{CreateSampler(GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR), CreateSampler(GL_LINEAR, GL_LINEAR)};
    point_ = Filter{CreateSampler(GL_NEAREST_MIPMAP_NEAREST, GL_NEAREST), CreateSampler(GL_NEAREST, GL_NEAREST)};
    pointClamp_ = CreateSampler(GL_NEAREST, GL_NEAREST, GL_CLAMP_TO_EDGE);
    linearClamp_ = CreateSampler(GL_LINEAR, GL_LINEAR, GL_CLAMP_TO_EDGE);
}

void GraphicsDevice::ReleaseGraphicsDevice() {
    if (!IsInitialized()) {
        return;
    }
    Batch = SpriteBatch();
    PassTimes.Release();
    for (int unit = 0; unit < 5; ++unit) {
        BindImage(unit, 0);
        glBindSampler(static_cast<GLuint>(unit), 0);
    }
    glDeleteBuffers(1, &indexBuffer_);
    glDeleteBuffers(1, &cullIndexBuffer_);
    glDeleteBuffers(1, &vertexBuffer_);
    glDeleteVertexArrays(1, &vertexArray_);
    const GLuint samplers[] = {linear_.mip, linear_.plain, point_.mip, point_.plain, pointClamp_, linearClamp_};
    glDeleteSamplers(6, samplers);
    glUseProgram(0);
    for (ShaderProgram* program :
         {&lightConstProgram_, &lightProgram_, &maskProgram_, &shadowProgram_, &litProgram_, &spriteProgram_}) {
        program->Release();
    }
    Targets.Release();
    vertexArray_ = vertexBuffer_ = indexBuffer_ = cullIndexBuffer_ = 0;
    linear_ = point_ = Filter{};
    pointClamp_ = linearClamp_ = 0;
    currentProgram_ = nullptr;
    DepthWritten = true;
}

const ShaderProgram& GraphicsDevice::UseProgram(Program program) {
    const ShaderProgram* programs[] = {&spriteProgram_, &litProgram_,   &shadowProgram_,
                                       &maskProgram_,   &lightProgram_, &lightConstProgram_};
    const ShaderProgram& chosen = *programs[static_cast<int>(program)];
    UseProgram(chosen);
    return chosen;
}

void GraphicsDevice::UseProgram(const ShaderProgram& program) {
    currentProgram_ = &program;
    program.Use();
    // Camera constants are shared by every program, as the current camera is.
    program.SetCamera(camera_);
}

void GraphicsDevice::SetCamera(const Camera2d& camera) {
    const Rect& v = camera.Viewport;
    // In whole pixels, as glViewport takes it.
    const auto whole = [](float value) { return static_cast<float>(static_cast<int>(value)); };
    viewport_ = v.width == 0.0f
                    ? Rect(0.0f, 0.0f, static_cast<float>(graphics_.Width), static_cast<float>(graphics_.Height))
                    : Rect(whole(v.x), whole(v.y), whole(v.width), whole(v.height));
    ApplyViewport();
    glDepthRange(0.0, 1.0);
    cameraCanDraw_ = camera.CanDraw();
    if (cameraCanDraw_) {
        camera_ = MakeCameraConstants(camera);
        if (currentProgram_ != nullptr) {
            currentProgram_->SetCamera(camera_);
        }
        const bool whole = v.width == 0.0f;
        Batch.PixelsPerUnit = Vector2((whole ? static_cast<float>(graphics_.Width) : v.width) / std::fabs(camera.Size.x),
                                      (whole ? static_cast<float>(graphics_.Height) : v.height) / std::fabs(camera.Size.y));
    }
    Batch.FlipX = camera.Size.x < 0.0f;
    Batch.FlipY = camera.Size.y < 0.0f;
}

int GraphicsDevice::GlRow(int top, int height) const {
    return drawingTopDown_ ? top : graphics_.Height - top - height;
}

// The camera's viewport counts y from the top.
void GraphicsDevice::ApplyViewport() const {
    const int width = static_cast<int>(viewport_.width);
    const int height = static_cast<int>(viewport_.height);
    glViewport(static_cast<int>(viewport_.x), GlRow(static_cast<int>(viewport_.y), height), width, height);
}

void GraphicsDevice::BindTarget(RenderTargets::Binding binding) {
    Targets.Bind(binding);
    DrawIntoTopDown(targetsTopDown_);
}

void GraphicsDevice::BindWindow() {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    DrawIntoTopDown(false);
}

// The clip origin follows the framebuffer drawn into: the window counts its rows
// from the bottom, the targets (with clip control) from the top.
void GraphicsDevice::DrawIntoTopDown(bool topDown) {
    if (topDown == drawingTopDown_) {
        return;
    }
    drawingTopDown_ = topDown;
    glClipControl(topDown ? GL_UPPER_LEFT : GL_LOWER_LEFT, GL_NEGATIVE_ONE_TO_ONE);
    ApplyViewport();
}

void GraphicsDevice::BindImage(int unit, unsigned image) {
    glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(unit));
    glBindTexture(GL_TEXTURE_2D, image);
}

void GraphicsDevice::SetStage0Filter(const Filter& filter) {
    stage0Filter_ = &filter;
    glBindSampler(0, filter.mip);
}

void GraphicsDevice::SetStage0Filter(StageFilter filter) {
    SetStage0Filter(filter == StageFilter::Point ? point_ : linear_);
}

void GraphicsDevice::ResetStageFilters() {
    SetStage0Filter(linear_);
    glBindSampler(1, linear_.mip);
}

void GraphicsDevice::BindGBufferImages() {
    BindImage(2, Targets.SceneColorTarget);
    BindImage(3, Targets.SceneNormalTarget);
    BindImage(4, Targets.SceneExtrasTarget);
    // Read at pixel centres only: the border is never reached.
    for (GLuint unit = 2; unit <= 4; ++unit) {
        glBindSampler(unit, PassSavings ? pointClamp_ : point_.plain);
    }
}

unsigned GraphicsDevice::EditorImage() {
    editorTexture_.Refresh(Engine::TextureManager);
    return editorTexture_.ColorImage();
}

void GraphicsDevice::BindGroupFilters(bool minified) {
    glBindSampler(0, minified ? stage0Filter_->mip : stage0Filter_->plain);
    glBindSampler(1, minified ? linear_.mip : linear_.plain);
}

void GraphicsDevice::UploadIndices(int quads) {
    // The indices only depend on the quad count: what is written already stays valid.
    if (quads <= indexedQuads_) {
        return;
    }
    const std::vector<std::uint16_t> indices = SpriteBatch::QuadIndices(quads);
    glBufferSubData(GL_ELEMENT_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(indices.size() * 2), indices.data());
    indexedQuads_ = quads;
}

void GraphicsDevice::EndBatch(const std::vector<PixelRect>* scissors) {
    if (!cameraCanDraw_ || Batch.GroupCount() == 0) {
        return;
    }
    UploadIndices(Batch.IndexedQuadsNeeded());
    // Depth only restores tree order between texture groups. One group is drawn in
    // tree order already, and every later batch lies in front of it anyway.
    if (Batch.GroupCount() > 1) {
        glEnable(GL_DEPTH_TEST);
        DepthWritten = true;
    } else {
        glDisable(GL_DEPTH_TEST);
    }
    constexpr std::size_t chunkVertices = static_cast<std::size_t>(SpriteBatch::QuadCapacity) * 4;
    for (std::size_t group = 0; group < Batch.GroupCount(); ++group) {
        const Texture* texture = Batch.GroupTexture(group);
        BindGroupFilters(Batch.GroupIsMinified(group));
        if (stage0Override_ != 0) {
            glBindSampler(0, stage0Override_);
        }
        BindImage(0, texture != nullptr ? texture->ColorImage : 0);
        if (texture != nullptr && texture->NormalImage != 0) {
            BindImage(1, texture->NormalImage);
        }
        const bool unblended = PassSavings && DrawOpaqueUnblended && Batch.GroupIsOpaque(group);
        if (unblended) {
            glDisable(GL_BLEND);
        }
        const std::vector<SpriteVertex>& vertices = Batch.GroupVertices(group);
        for (std::size_t first = 0; first < vertices.size(); first += chunkVertices) {
            const std::size_t count = std::min(chunkVertices, vertices.size() - first);
            // A fresh store each chunk: the driver need not wait for the previous draw.
            glBufferData(GL_ARRAY_BUFFER, kVertexBufferBytes, nullptr, GL_STREAM_DRAW);
            glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(count * sizeof(SpriteVertex)),
                            vertices.data() + first);
            DrawElements(vertices.data() + first, static_cast<int>(count / 4), scissors);
        }
        if (unblended) {
            glEnable(GL_BLEND);
        }
    }
    BindGroupFilters(true);
}

void GraphicsDevice::DrawElements(const SpriteVertex* quads, int count, const std::vector<PixelRect>* scissors) {
    if (scissors == nullptr) {
        glDrawElements(GL_TRIANGLES, count * 6, GL_UNSIGNED_SHORT, nullptr);
        return;
    }
    if (count <= 4) {
        ForEachScissor(*scissors, [count] { glDrawElements(GL_TRIANGLES, count * 6, GL_UNSIGNED_SHORT, nullptr); });
        return;
    }
    // Inside each rectangle only the quads that can reach it: a batch over the whole
    // frame drawn once a rectangle would cost its triangles' set-up that many times.
    // All rectangles' indices go up in one buffer: a software rasteriser may finish
    // every draw queued before it can refill a buffer one of them reads.
    const ScreenMapping mapping = Mapping();
    std::vector<ScreenMapping::Area> areas(static_cast<std::size_t>(count));
    for (int quad = 0; quad < count; ++quad) {
        areas[static_cast<std::size_t>(quad)] = mapping.QuadArea(quads + 4 * quad);
    }
    std::vector<std::uint16_t> indices;
    std::vector<std::size_t> ends;
    for (const PixelRect& r : *scissors) {
        for (int quad = 0; quad < count; ++quad) {
            const ScreenMapping::Area& a = areas[static_cast<std::size_t>(quad)];
            if (a.left < static_cast<float>(r.x + r.width) && a.right > static_cast<float>(r.x) &&
                a.top < static_cast<float>(r.y + r.height) && a.bottom > static_cast<float>(r.y)) {
                // The two triangles of SpriteBatch::QuadIndices.
                for (const int corner : {0, 1, 2, 1, 3, 2}) {
                    indices.push_back(static_cast<std::uint16_t>(quad * 4 + corner));
                }
            }
        }
        ends.push_back(indices.size());
    }
    if (indices.empty()) {
        return;
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, cullIndexBuffer_);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * 2), indices.data(), GL_STREAM_DRAW);
    glEnable(GL_SCISSOR_TEST);
    std::size_t begin = 0;
    for (std::size_t i = 0; i < scissors->size(); ++i) {
        const PixelRect& r = (*scissors)[i];
        if (ends[i] > begin) {
            glScissor(r.x, GlRow(r.y, r.height), r.width, r.height);
            glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(ends[i] - begin), GL_UNSIGNED_SHORT,
                           reinterpret_cast<const void*>(begin * 2));
        }
        begin = ends[i];
    }
    glDisable(GL_SCISSOR_TEST);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer_);
}

void GraphicsDevice::ForEachScissor(const std::vector<PixelRect>& rects, const std::function<void()>& draw) const {
    if (rects.empty()) {
        return;
    }
    glEnable(GL_SCISSOR_TEST);
    for (const PixelRect& r : rects) {
        glScissor(r.x, GlRow(r.y, r.height), r.width, r.height);
        draw();
    }
    glDisable(GL_SCISSOR_TEST);
}

void GraphicsDevice::DrawLightBatch(const std::vector<PixelRect>* scissors) {
    if (!PassSavings || Batch.GroupCount() != 1) {
        EndBatch(scissors);
        return;
    }
    std::vector<SpriteVertex> pointLights = Batch.SplitOffPointQuads(0);
    EndBatch(scissors);
    if (!pointLights.empty()) {
        Batch.SetGroupVertices(0, std::move(pointLights));
        UseProgram(lightConstProgram_);
        EndBatch(scissors);
        UseProgram(lightProgram_);
    }
}

void GraphicsDevice::DrawFullScreen(unsigned image, Color colour, const std::vector<PixelRect>* scissors,
                                    bool clampToEdge) {
    SetCamera(deviceCamera_);
    fullScreenTexture_.ColorImage = image;
    fullScreenTexture_.NormalImage = 0;
    BeginBatch();
    DrawTree(fullScreenObject_.get(), LayerBit(DrawLayer::Ui), colour, Vector2());
    stage0Override_ = clampToEdge && PassSavings ? linearClamp_ : 0;
    EndBatch(scissors);
    stage0Override_ = 0;
    fullScreenTexture_.ColorImage = 0;
}

void GraphicsDevice::MarkBatchCoverage(ScreenTiles& touched, OpaqueCover* opaque, ScreenTiles* near,
                                       float nearPixels) const {
    if (!cameraCanDraw_) {
        return;
    }
    const Rect& v = viewport_;
    const ScreenMapping mapping = Mapping();
    for (std::size_t group = 0; group < Batch.GroupCount(); ++group) {
        const bool opaqueGroup = opaque != nullptr && group == 0 && Batch.GroupIsOpaque(group);
        const std::vector<SpriteVertex>& vertices = Batch.GroupVertices(group);
        for (std::size_t i = 0; i + 3 < vertices.size(); i += 4) {
            const Vector2 p[4] = {mapping.ToPixels(vertices[i]), mapping.ToPixels(vertices[i + 1]),
                                  mapping.ToPixels(vertices[i + 2]), mapping.ToPixels(vertices[i + 3])};
            const ScreenMapping::Area bounds = ScreenMapping::Bounds(p);
            const ScreenMapping::Area area = mapping.Reach(bounds);
            touched.MarkPixels(area.left, area.top, area.right, area.bottom);
            if (near != nullptr) {
                near->MarkPixels(area.left - nearPixels, area.top - nearPixels, area.right + nearPixels,
                                 area.bottom + nearPixels);
            }
            if (!opaqueGroup) {
                continue;
            }
            const auto [left, top, right, bottom] = bounds;
            const bool upright = p[0].y == p[1].y && p[2].y == p[3].y && p[0].x == p[2].x && p[1].x == p[3].x;
            if (upright) {
                // Pixels whose centres lie inside by more than the rasteriser's snapping.
                constexpr float kSnap = 1.0f / 64.0f;
                const auto first = [&](float edge, float limit) {
                    return static_cast<int>(std::ceil(std::max(edge, limit) - 0.5f + kSnap));
                };
                const auto end = [&](float edge, float limit) {
                    return static_cast<int>(std::ceil(std::min(edge, limit) - 0.5f - kSnap));
                };
                opaque->AddPixels(first(left, v.x), first(top, v.y), end(right, v.x + v.width),
                                  end(bottom, v.y + v.height));
            }
        }
    }
}

void GraphicsDevice::DrawLineStrip(const Vector2* points, int count, Color colour, bool closed) {
    count = std::min(count, kMaxLinePoints);
    if (count <= 0 || !cameraCanDraw_) {
        return;
    }
    editorTexture_.Refresh(Engine::TextureManager);
    const Vector2 white = editorTexture_.WhiteTexel();
    std::vector<SpriteVertex> strip;
    for (int i = 0; i < count + (closed ? 1 : 0); ++i) {
        const Vector2 p = points[i % count];
        strip.push_back(SpriteVertex{p.x, p.y, 1.0f, 1.0f, colour.ToArgb(), white.x, white.y, 0.0f, 0.0f});
    }
    glBufferData(GL_ARRAY_BUFFER, kVertexBufferBytes, nullptr, GL_STREAM_DRAW);
    glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(strip.size() * sizeof(SpriteVertex)), strip.data());
    glDrawArrays(GL_LINE_STRIP, 0, static_cast<GLsizei>(strip.size()));
}

bool GraphicsDevice::CanDrawInWindow() const {
    const Window* window = graphics_.MainWindow.get();
    return targetsTopDown_ && window != nullptr && window->HasDepthStencil() &&
           window->ClientWidth() == graphics_.Width && window->ClientHeight() == graphics_.Height;
}

void GraphicsDevice::Present(bool drawnInWindow) {
    Window* window = graphics_.MainWindow.get();
    if (window == nullptr) {
        return;
    }
    if (!drawnInWindow) {
        CopyBackBufferToWindow(*window);
    }
    if (FrameCapture != nullptr) {
        *FrameCapture = ReadFramebuffer(drawnInWindow ? 0 : Targets.BackBufferFramebuffer());
    }
    window->Present();
    BindTarget(RenderTargets::Binding::BackBuffer);
}

void GraphicsDevice::CopyBackBufferToWindow(const Window& window) const {
    const int windowWidth = window.ClientWidth();
    const int windowHeight = window.ClientHeight();
    const Letterbox box = Letterbox::Fit(graphics_.Width, graphics_.Height, windowWidth, windowHeight);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, Targets.BackBufferFramebuffer());
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    const bool scaled = box.Width != graphics_.Width || box.Height != graphics_.Height;
    if (!box.FillsWindow(windowWidth, windowHeight)) {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);  // the bars
        glClear(GL_COLOR_BUFFER_BIT);
    }
    // GL's window origin is bottom-left; a back buffer stored top row first goes in
    // turned over.
    const int bottom = windowHeight - box.Y - box.Height;
    const int first = targetsTopDown_ ? bottom + box.Height : bottom;
    const int last = targetsTopDown_ ? bottom : bottom + box.Height;
    glBlitFramebuffer(0, 0, graphics_.Width, graphics_.Height, box.X, first, box.X + box.Width, last,
                      GL_COLOR_BUFFER_BIT, scaled ? GL_LINEAR : GL_NEAREST);
}

Image GraphicsDevice::ReadBackBuffer() const {
    return ReadFramebuffer(Targets.BackBufferFramebuffer());
}

Image GraphicsDevice::ReadFramebuffer(unsigned framebuffer) const {
    Image image;
    image.Width = graphics_.Width;
    image.Height = graphics_.Height;
    image.Rgba.resize(static_cast<std::size_t>(image.Width) * image.Height * 4);
    std::vector<std::uint8_t> read(image.Rgba.size());
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, image.Width, image.Height, GL_RGBA, GL_UNSIGNED_BYTE, read.data());
    const bool topRowFirst = framebuffer != 0 && targetsTopDown_;
    const std::size_t row = static_cast<std::size_t>(image.Width) * 4;
    for (int y = 0; y < image.Height; ++y) {
        const int from = topRowFirst ? y : image.Height - 1 - y;
        std::copy_n(read.begin() + static_cast<std::ptrdiff_t>(from * row), row,
                    image.Rgba.begin() + static_cast<std::ptrdiff_t>(y * row));
    }
    // The back buffer's alpha is bookkeeping of the passes, not part of the picture.
    for (std::size_t i = 3; i < image.Rgba.size(); i += 4) {
        image.Rgba[i] = 255;
    }
    return image;
}
