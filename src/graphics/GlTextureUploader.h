#pragma once

#include "graphics/TextureUploader.h"

// Uploads into OpenGL textures (RGBA8, mip-mapped); needs a current context.
class GlTextureUploader : public TextureUploader {
public:
    unsigned Upload(const Image& image) override;
    void Release(unsigned image) override;
};
