#include "graphics/Texture.h"

#include "graphics/TextureUploader.h"

#include <cmath>

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

bool Texture::IsOpaqueAt(Vector2 uv) const {
    if (Alpha.IsEmpty()) {
        return true;
    }
    const float x = std::floor(uv.x * static_cast<float>(Alpha.Width()));
    const float y = std::floor(uv.y * static_cast<float>(Alpha.Height()));
    // Compared as floats first: a huge or NaN coordinate never reaches the int cast.
    if (!(x >= 0.0f && y >= 0.0f && x < static_cast<float>(Alpha.Width()) && y < static_cast<float>(Alpha.Height()))) {
        return false;
    }
    return Alpha.IsOpaque(static_cast<int>(x), static_cast<int>(y));
}

void Texture::ClearImages() {
    OpaqueImages.clear();
    ImageIndex.clear();
    ImageNames.clear();
    ImageRects.clear();
    TrimRects.clear();
}
