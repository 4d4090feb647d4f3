#include "graphics/SpriteBatch.h"

#include "core/DrawPlacement.h"
#include "core/DrawableComponent.h"
#include "core/GameObject.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/Texture.h"
#include "graphics/TintComponent.h"

#include <algorithm>
#include <cmath>

void SpriteBatch::BeginBatch() {
    for (auto& group : groups_) {
        group.clear();
    }
    textures_.clear();
    minified_.clear();
    opaque_.clear();
}

std::size_t SpriteBatch::GroupFor(const Texture* texture) {
    const auto at = std::find(textures_.begin(), textures_.end(), texture);
    const std::size_t index = static_cast<std::size_t>(at - textures_.begin());
    if (at == textures_.end()) {
        textures_.push_back(texture);
        minified_.push_back(false);
        opaque_.push_back(texture != nullptr && !texture->OpaqueImages.empty());
    }
    if (groups_.size() <= index) {
        groups_.emplace_back();
    }
    return index;
}

bool SpriteBatch::IsMinified(const Texture* texture, Rect uv, Vector2 size) const {
    if (texture == nullptr) {
        return false;
    }
    // Rotation cannot raise the texel-per-pixel ratio above the larger axis ratio.
    return std::fabs(uv.width) * texture->Size.x > std::fabs(size.x) * PixelsPerUnit.x ||
           std::fabs(uv.height) * texture->Size.y > std::fabs(size.y) * PixelsPerUnit.y;
}

void SpriteBatch::AddQuad(const Texture* texture, Rect uv, float rotation, Color colour, Vector2 size,
                          Vector2 origin, Vector2 position) {
    const std::size_t index = GroupFor(texture);
    std::vector<SpriteVertex>& group = groups_[index];
    if (!minified_[index] && IsMinified(texture, uv, size)) {
        minified_[index] = true;
    }
    if (opaque_[index] && (colour.a != 255 || !texture->IsOpaqueArea(uv))) {
        opaque_[index] = false;
    }
    if (FlipX) {
        size.x = -size.x;
    }
    if (FlipY) {
        size.y = -size.y;
    }
    const float hw = size.x / 2.0f;
    const float hh = size.y / 2.0f;
    const float left = -hw - origin.x;
    const float right = hw - origin.x;
    const float top = hh - origin.y;
    const float bottom = -hh - origin.y;
    const float c = std::cos(rotation);
    const float s = std::sin(rotation);
    const std::uint32_t word = colour.ToArgb();
    const auto corner = [&](float cx, float cy, float u, float v) {
        group.push_back(SpriteVertex{cx * c - cy * s + position.x, cy * c + cx * s + position.y, DepthCounter, 1.0f,
                                     word, u, v, c, s});
    };
    corner(left, top, uv.x, uv.y);
    corner(right, top, uv.x + uv.width, uv.y);
    corner(left, bottom, uv.x, uv.y + uv.height);
    corner(right, bottom, uv.x + uv.width, uv.y + uv.height);
}

// The placement DrawTree works out inline (kept apart so the walk, which runs it for
// every object of every pass, stays as fast as it is); the two must agree.
DrawPlacement PlacementInTree(const GameObject& object, unsigned layerMask, Color colour, Vector2& offset) {
    DrawPlacement placement;
    placement.LayerMask = layerMask;
    if (const Pos2dComponent* pos = object.Pos2d()) {
        placement.Position = pos->IsRelative ? pos->Pos + offset : pos->Pos;
        placement.Rotation = pos->Rotation;
        offset = placement.Position;
    } else {
        object.GetBodyPlacement(placement.Position, placement.Rotation);
    }
    if (const TintComponent* tint = object.Tint()) {
        colour = colour * tint->Tint;
    }
    placement.Colour = colour;
    return placement;
}

void SpriteBatch::DrawTree(const GameObject* object, unsigned layerMask, Color colour, Vector2 parentOffset) {
    if (!object->DrawEnabled) {
        return;
    }
    DrawPlacement placement;
    placement.LayerMask = layerMask;
    Vector2 childOffset = parentOffset;
    if (const Pos2dComponent* pos = object->Pos2d()) {
        placement.Position = pos->IsRelative ? pos->Pos + parentOffset : pos->Pos;
        placement.Rotation = pos->Rotation;
        childOffset = placement.Position;
    } else {
        // Placed by its physics body, if any; like an object without a position, it
        // passes its parent's offset on to relative children.
        object->GetBodyPlacement(placement.Position, placement.Rotation);
    }
    if (const TintComponent* tint = object->Tint()) {
        colour = colour * tint->Tint;
    }
    placement.Colour = colour;
    for (const DrawableComponent* drawable : object->Drawables()) {
        if (drawable != nullptr && (LayerBit(drawable->Layer) & layerMask) != 0) {
            drawable->SubmitQuads(*this, placement);
        }
    }
    StepDepth();
    for (const GameObject* child : object->Children()) {
        DrawTree(child, layerMask, colour, childOffset);
    }
}

std::vector<SpriteVertex> SpriteBatch::SplitOffPointQuads(std::size_t group) {
    std::vector<SpriteVertex>& vertices = groups_[group];
    std::vector<SpriteVertex> points;
    std::size_t kept = 0;
    for (std::size_t i = 0; i + 3 < vertices.size(); i += 4) {
        const SpriteVertex* q = &vertices[i];
        const bool point = q[1].u == q[0].u && q[2].u == q[0].u && q[3].u == q[0].u && q[1].v == q[0].v &&
                           q[2].v == q[0].v && q[3].v == q[0].v;
        std::vector<SpriteVertex>* to = point ? &points : nullptr;
        for (int corner = 0; corner < 4; ++corner) {
            if (to != nullptr) {
                to->push_back(q[corner]);
            } else {
                vertices[kept++] = q[corner];
            }
        }
    }
    vertices.resize(kept);
    return points;
}

int SpriteBatch::IndexedQuadsNeeded() const {
    std::size_t most = 0;
    for (std::size_t i = 0; i < textures_.size(); ++i) {
        most = std::max(most, groups_[i].size() / 4);
    }
    return static_cast<int>(std::min<std::size_t>(most, QuadCapacity));
}

std::vector<std::uint16_t> SpriteBatch::QuadIndices(int quads) {
    std::vector<std::uint16_t> indices;
    indices.reserve(static_cast<std::size_t>(quads) * 6);
    for (int k = 0; k < quads; ++k) {
        const auto i = static_cast<std::uint16_t>(4 * k);
        indices.insert(indices.end(), {i, static_cast<std::uint16_t>(i + 1), static_cast<std::uint16_t>(i + 2),
                                       static_cast<std::uint16_t>(i + 1), static_cast<std::uint16_t>(i + 3),
                                       static_cast<std::uint16_t>(i + 2)});
    }
    return indices;
}
