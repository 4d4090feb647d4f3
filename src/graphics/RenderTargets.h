#pragma once

// The off-screen frame: the back buffer (colour + depth-stencil renderbuffers), the
// four G-buffer textures that share its depth buffer, and the framebuffers that
// bind them in the combinations the passes draw into.
class RenderTargets {
public:
    // Which targets a pass draws into.
    enum class Binding {
        BackBuffer,       // back buffer
        ForegroundLit,    // foreground colour, scene normal, scene extras
        BackgroundLit,    // scene colour, scene normal, scene extras
        Shadow,           // scene colour, scene extras
    };

    void Create(int width, int height);
    void Release();

    void Bind(Binding binding) const;
    // Clears draw buffer `index` of the bound framebuffer to transparent black.
    static void ClearToTransparent(int index);

    unsigned SceneColorTarget = 0;
    unsigned ForegroundColorTarget = 0;
    unsigned SceneNormalTarget = 0;
    unsigned SceneExtrasTarget = 0;
    // The four G-buffer textures are known to be transparent black. Fresh targets
    // hold anything; the lit passes keep this up to date.
    bool GBufferClear = false;

    unsigned BackBufferFramebuffer() const { return framebuffers_[0]; }

private:
    unsigned colorBuffer_ = 0;
    unsigned depthBuffer_ = 0;
    unsigned framebuffers_[4] = {};
};
