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

bool Texture::IsOpaqueArea(Rect uv) const {
    if (uv.width < 0.0f) {
        uv = Rect(uv.x + uv.width, uv.y, -uv.width, uv.height);
    }
    if (uv.height < 0.0f) {
        uv = Rect(uv.x, uv.y + uv.height, uv.width, -uv.height);
    }
    for (std::size_t i = 0; i < OpaqueImages.size() && i < ImageRects.size(); ++i) {
        const Rect& r = ImageRects[i];
        if (OpaqueImages[i] && uv.x >= r.x && uv.y >= r.y && uv.x + uv.width <= r.x + r.width &&
            uv.y + uv.height <= r.y + r.height) {
            return true;
        }
    }
    return false;
}

void Texture::ClearImages() {
    OpaqueImages.clear();
    ImageIndex.clear();
    ImageNames.clear();
    ImageRects.clear();
    TrimRects.clear();
}
