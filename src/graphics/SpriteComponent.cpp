#include "graphics/SpriteComponent.h"

#include "core/DrawPlacement.h"
#include "core/GameObject.h"
#include "core/QuadSink.h"
#include "graphics/NineSlice.h"
#include "graphics/Texture.h"

#include <cmath>
#include <map>

namespace {

// Image names given while a sprite had no texture, and names kept across a texture
// reload. Entries go with their sprite.
std::map<const SpriteComponent*, std::string>& PendingNames() {
    static std::map<const SpriteComponent*, std::string> names;
    return names;
}

}  // namespace

SpriteComponent::SpriteComponent() : DrawableComponent(DrawSlot::Sprite) {
    AddProperty("Size", Size);
    AddProperty("Origin", Origin);
    AddProxy<Texture*>("Tex", [this] { return GetTex(); }, [this](Texture* texture) { SetTex(texture); });
    AddProxy<std::string>("ImageName", [this] { return GetImageName(); },
                          [this](std::string name) { SetImageName(name); });
    AddProperty("Layer", Layer);
    AddProperty("SliceBorder", SliceBorder);
}

SpriteComponent::~SpriteComponent() {
    PendingNames().erase(this);
}

void SpriteComponent::SetTex(Texture* texture) {
    texture_ = texture;
    if (texture_ == nullptr) {
        return;
    }
    const auto pending = PendingNames().find(this);
    if (pending != PendingNames().end()) {
        const std::string name = pending->second;
        SelectByName(name);
    }
}

std::string SpriteComponent::GetImageName() const {
    if (texture_ != nullptr) {
        return texture_->HasImage(ImageIndex) ? texture_->ImageNames[ImageIndex] : "";
    }
    const std::string* pending = PendingImageName();
    return pending != nullptr ? *pending : "";
}

void SpriteComponent::SetImageName(const std::string& name) {
    if (texture_ == nullptr) {
        PendingNames()[this] = name;
        return;
    }
    SelectByName(name);
}

void SpriteComponent::SelectByName(const std::string& name) {
    // A name the atlas lacks shows its first sub-image.
    const int index = texture_->FindImage(name);
    SelectImage(index < 0 ? 0 : index);
    PendingNames().erase(this);
}

void SpriteComponent::SelectImage(int index) {
    if (texture_ == nullptr || !texture_->HasImage(index)) {
        return;
    }
    ImageRect = texture_->ImageRects[index];
    TrimRect = texture_->TrimRects[index];
    ImageIndex = index;
}

void SpriteComponent::SubmitQuads(QuadSink& sink, const DrawPlacement& placement) const {
    if (texture_ == nullptr) {
        return;
    }
    const Vector2 S = Size;
    const Rect& T = TrimRect;
    const Vector2 s(S.x * T.width, S.y * T.height);
    const Vector2 o((S.x - s.x - 2.0f * T.x * S.x) / 2.0f + Origin.x, -(S.y - s.y - 2.0f * T.y * S.y) / 2.0f + Origin.y);
    if (!(SliceBorder > 0.0f) || texture_->Size.x <= 0.0f || texture_->Size.y <= 0.0f) {
        sink.AddQuad(texture_, ImageRect, placement.Rotation, placement.Colour, s, o, placement.Position);
        return;
    }
    // The sink turns each quad upright under a mirroring camera; their places are
    // mirrored here, as text mirrors its glyphs' places.
    const Vector2 mirror(sink.MirrorsX() ? -1.0f : 1.0f, sink.MirrorsY() ? -1.0f : 1.0f);
    for (const SliceQuad& quad : NineSlice(ImageRect, texture_->Size, SliceBorder, s)) {
        const Vector2 origin(o.x - quad.Centre.x * mirror.x, o.y - quad.Centre.y * mirror.y);
        sink.AddQuad(texture_, quad.Uv, placement.Rotation, placement.Colour, quad.Size, origin, placement.Position);
    }
}

Rect SpriteComponent::GetWorldBounds() const {
    const Vector2 p = Owner() != nullptr ? Owner()->GetPosition() : Vector2();
    const Vector2 half(std::fabs(Size.x) / 2.0f, std::fabs(Size.y) / 2.0f);
    const Vector2 corner = p - Origin - half;
    return Rect(corner.x, corner.y, half.x * 2.0f, half.y * 2.0f);
}

void SpriteComponent::RememberImageName(const Texture* texture) {
    if (texture_ == texture && texture_ != nullptr && texture_->HasImage(ImageIndex)) {
        PendingNames()[this] = texture_->ImageNames[ImageIndex];
    }
}

void SpriteComponent::RestoreImageName(const Texture* texture) {
    if (texture_ == texture && texture_ != nullptr && PendingImageName() != nullptr) {
        SelectByName(*PendingImageName());
    }
}

const std::string* SpriteComponent::PendingImageName() const {
    const auto at = PendingNames().find(this);
    return at != PendingNames().end() ? &at->second : nullptr;
}
