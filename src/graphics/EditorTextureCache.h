#pragma once

#include "core/Vector2.h"

#include <cstdint>

class TextureManager;

// What the device draws debug lines and the physics view with: the colour image of
// the "Editor" texture and the centre of its "1PixelWhite" image. Copied out by name
// only when the texture manager reports a change, so frames of many line strips do
// no name searches and an unloaded bank leaves nothing behind to point at.
class EditorTextureCache {
public:
    // Looks the texture up again when `manager` changed since the last look (or is
    // another manager); without a manager there is no texture.
    void Refresh(const TextureManager* manager);

    // 0 while no bank has an "Editor" texture.
    unsigned ColorImage() const { return colorImage_; }
    // (0, 0) while the texture or its "1PixelWhite" image is missing.
    Vector2 WhiteTexel() const { return whiteTexel_; }

private:
    // The manager's generation the values come from; 0 before the first look.
    std::uint64_t generation_ = 0;
    unsigned colorImage_ = 0;
    Vector2 whiteTexel_;
};
