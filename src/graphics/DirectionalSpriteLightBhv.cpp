#include "graphics/DirectionalSpriteLightBhv.h"

#include "core/Rect.h"
#include "graphics/SpriteComponent.h"
#include "graphics/Texture.h"

namespace {

// The atlas rectangle of the sprite's image; the whole atlas without a texture or
// when the name is not one of its images.
Rect ImageArea(const SpriteComponent& sprite) {
    const Texture* texture = sprite.GetTex();
    return texture != nullptr && texture->HasImage(sprite.ImageIndex) ? texture->ImageRects[sprite.ImageIndex]
                                                                      : Rect(0.0f, 0.0f, 1.0f, 1.0f);
}

}  // namespace

DirectionalSpriteLightBhv::DirectionalSpriteLightBhv() {
    AddProxy<Vector2>("Direction", [this] { return GetDirection(); },
                      [this](Vector2 direction) { SetDirection(direction); });
}

Vector2 DirectionalSpriteLightBhv::GetDirection() const {
    const SpriteComponent* sprite = Sprite();
    if (sprite == nullptr) {
        return {};
    }
    const Rect area = ImageArea(*sprite);
    // An empty image has no point to be at: dividing by its size would give NaN.
    if (area.width == 0.0f || area.height == 0.0f) {
        return {};
    }
    const Rect& picked = sprite->ImageRect;
    return {(picked.x - area.x) / area.width * 2.0f - 1.0f, (picked.y - area.y) / area.height * 2.0f - 1.0f};
}

void DirectionalSpriteLightBhv::SetDirection(Vector2 direction) {
    SpriteComponent* sprite = Sprite();
    if (sprite == nullptr) {
        return;
    }
    const Rect area = ImageArea(*sprite);
    sprite->ImageRect = Rect(area.x + area.width * (direction.x / 2.0f + 0.5f),
                             area.y + area.height * (direction.y / 2.0f + 0.5f), 0.0f, 0.0f);
}
