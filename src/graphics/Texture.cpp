#include "graphics/Texture.h"

#include "graphics/TextureUploader.h"

Texture::~Texture() {
    ReleaseImages();
}

int Texture::FindImage(const std::string& name) const {
    const auto at = ImageIndex.find(name);
    return at == ImageIndex.end() ? -1 : at->second;
}

void Texture::ReleaseColorImage() {
    if (ColorImage != 0 && Uploader != nullptr) {
        Uploader->Release(ColorImage);
    }
    ColorImage = 0;
}

void Texture::ReleaseImages() {
    ReleaseColorImage();
    if (NormalImage != 0 && Uploader != nullptr) {
        Uploader->Release(NormalImage);
    }
    NormalImage = 0;
}

void Texture::ClearImages() {
    ImageIndex.clear();
    ImageNames.clear();
    ImageRects.clear();
    TrimRects.clear();
}
