#include "graphics/GlTextureUploader.h"
#include "graphics/Image.h"

#include <epoxy/gl.h>

unsigned GlTextureUploader::Upload(const Image& image) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    // Row 0 of the image lands at v = 0, so atlas coordinates count from the top.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.Width, image.Height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 image.Rgba.data());
    glGenerateMipmap(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
    return name;
}

void GlTextureUploader::Release(unsigned image) {
    const GLuint name = image;
    glDeleteTextures(1, &name);
}
