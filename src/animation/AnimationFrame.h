#pragma once

class Texture;

// One flip-book frame: which image of which atlas, and when it begins.
struct AnimationFrame {
    // Not owned; null shows the sprite without a texture.
    Texture* Tex = nullptr;
    // Index into the atlas lists; one the atlas does not have leaves the sprite's image alone.
    int ImageIndex = 0;
    // Seconds from the start of the animation.
    float StartTime = 0.0f;
};
