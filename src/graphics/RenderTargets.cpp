#include "graphics/RenderTargets.h"

#include "core/StartupError.h"

#include <epoxy/gl.h>

#include <initializer_list>
#include <vector>

namespace {

GLuint CreateTargetTexture(int width, int height) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    // One level: complete whatever filter a sampler asks for.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}

// A framebuffer with the shared depth buffer and these colour textures in order.
GLuint CreateFramebuffer(GLuint depth, std::initializer_list<GLuint> colors) {
    GLuint framebuffer = 0;
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    std::vector<GLenum> drawBuffers;
    for (GLuint color : colors) {
        const GLenum attachment = GL_COLOR_ATTACHMENT0 + static_cast<GLenum>(drawBuffers.size());
        glFramebufferTexture2D(GL_FRAMEBUFFER, attachment, GL_TEXTURE_2D, color, 0);
        drawBuffers.push_back(attachment);
    }
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depth);
    glDrawBuffers(static_cast<GLsizei>(drawBuffers.size()), drawBuffers.data());
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        throw StartupError("the OpenGL driver cannot render into the off-screen frame");
    }
    return framebuffer;
}

}  // namespace

void RenderTargets::Create(int width, int height) {
    GBufferClear = false;
    glGenRenderbuffers(1, &depthBuffer_);
    glBindRenderbuffer(GL_RENDERBUFFER, depthBuffer_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    glGenRenderbuffers(1, &colorBuffer_);
    glBindRenderbuffer(GL_RENDERBUFFER, colorBuffer_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);

    SceneColorTarget = CreateTargetTexture(width, height);
    ForegroundColorTarget = CreateTargetTexture(width, height);
    SceneNormalTarget = CreateTargetTexture(width, height);
    SceneExtrasTarget = CreateTargetTexture(width, height);

    glGenFramebuffers(1, &framebuffers_[0]);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffers_[0]);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colorBuffer_);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depthBuffer_);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        throw StartupError("the OpenGL driver cannot render into the off-screen back buffer");
    }
    framebuffers_[1] = CreateFramebuffer(depthBuffer_, {ForegroundColorTarget, SceneNormalTarget, SceneExtrasTarget});
    framebuffers_[2] = CreateFramebuffer(depthBuffer_, {SceneColorTarget, SceneNormalTarget, SceneExtrasTarget});
    framebuffers_[3] = CreateFramebuffer(depthBuffer_, {SceneColorTarget, SceneExtrasTarget});
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffers_[0]);
}

void RenderTargets::Release() {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(4, framebuffers_);
    const GLuint textures[] = {SceneColorTarget, ForegroundColorTarget, SceneNormalTarget, SceneExtrasTarget};
    glDeleteTextures(4, textures);
    glDeleteRenderbuffers(1, &colorBuffer_);
    glDeleteRenderbuffers(1, &depthBuffer_);
    *this = RenderTargets();
}

void RenderTargets::Bind(Binding binding) const {
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffers_[static_cast<int>(binding)]);
}

void RenderTargets::ClearToTransparent(int index) {
    const GLfloat transparent[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    glClearBufferfv(GL_COLOR, index, transparent);
}
