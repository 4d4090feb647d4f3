#pragma once

struct Image;

// Turns decoded images into images the graphics device can sample, and releases
// them. The device's implementation needs the OpenGL context; tests that only read
// atlases substitute one that needs no GPU.
class TextureUploader {
public:
    virtual ~TextureUploader() = default;
    // A texture with a full mip chain; returns its name (never 0).
    virtual unsigned Upload(const Image& image) = 0;
    virtual void Release(unsigned image) = 0;
};
