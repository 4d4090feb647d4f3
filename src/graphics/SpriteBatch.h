#pragma once

#include "core/Color.h"
#include "core/DrawLayer.h"
#include "core/QuadSink.h"
#include "core/Rect.h"
#include "core/Vector2.h"
#include "graphics/SpriteVertex.h"

#include <algorithm>
#include <cstdint>
#include <vector>

class GameObject;
struct DrawPlacement;

// A layer's bit in the layer masks that DrawTree takes.
constexpr unsigned LayerBit(DrawLayer layer) {
    return static_cast<unsigned>(layer);
}

// Where the tree walk draws `object` in a pass over `layerMask`, under the tint
// `colour` of its ancestors; `offset` comes in as the parent's offset for relative
// positions and goes out as the one the object passes to its children.
DrawPlacement PlacementInTree(const GameObject& object, unsigned layerMask, Color colour, Vector2& offset);

// The CPU half of the sprite batcher: turns the scene tree into quads grouped by
// texture in order of first use. Depth values fall in tree order so that the depth
// test restores that order between groups. The graphics device draws the groups.
// The walk asks each object's drawable components for their quads.
class SpriteBatch final : public QuadSink {
public:
    // Quads that fit in the device's 1 MiB vertex buffer (144 bytes each).
    static constexpr int QuadCapacity = 1048576 / (4 * static_cast<int>(sizeof(SpriteVertex)));

    // The depth given to the next object; restarts at 1 every frame.
    float DepthCounter = 1.0f;
    // The next object in front of the last: one step of depth, as each object takes.
    void StepDepth() { DepthCounter = std::max(DepthCounter - 0.000001f, 0.0f); }
    // The current camera mirrors that axis: quads are mirrored back to stay upright.
    bool FlipX = false;
    bool FlipY = false;
    // Back-buffer pixels per world unit of the current camera.
    Vector2 PixelsPerUnit{1.0f, 1.0f};

    // Empties every group, keeping their storage.
    void BeginBatch();
    // One quad: size and origin in world units, rotation in radians counter-clockwise
    // about position.
    void AddQuad(const Texture* texture, Rect uv, float rotation, Color colour, Vector2 size, Vector2 origin,
                 Vector2 position) override;
    bool MirrorsX() const override { return FlipX; }
    bool MirrorsY() const override { return FlipY; }
    // The object and its subtree for the layers in layerMask.
    void DrawTree(const GameObject* object, unsigned layerMask, Color colour, Vector2 parentOffset);

    std::size_t GroupCount() const { return textures_.size(); }
    const Texture* GroupTexture(std::size_t group) const { return textures_[group]; }
    const std::vector<SpriteVertex>& GroupVertices(std::size_t group) const { return groups_[group]; }
    // Some quad of the group shows more texels than it covers pixels: only then can
    // sampling reach beyond the top mip level.
    bool GroupIsMinified(std::size_t group) const { return minified_[group]; }
    // Every quad of the group shows an opaque area of its texture untinted by alpha,
    // at no less than its texel size: each pixel it covers is opaque.
    bool GroupIsOpaque(std::size_t group) const { return opaque_[group] && !minified_[group]; }
    // Takes the group's quads whose four corners read one point of the texture out of
    // the group, in order, and returns them.
    std::vector<SpriteVertex> SplitOffPointQuads(std::size_t group);
    void SetGroupVertices(std::size_t group, std::vector<SpriteVertex> vertices) {
        groups_[group] = std::move(vertices);
    }
    // The largest group's quad count, capped at QuadCapacity.
    int IndexedQuadsNeeded() const;

    // Two triangles per quad: (0, 1, 2) and (1, 3, 2) of its four vertices.
    static std::vector<std::uint16_t> QuadIndices(int quads);

private:
    std::size_t GroupFor(const Texture* texture);
    bool IsMinified(const Texture* texture, Rect uv, Vector2 size) const;

    std::vector<std::vector<SpriteVertex>> groups_;
    std::vector<const Texture*> textures_;
    std::vector<bool> minified_;
    std::vector<bool> opaque_;
};
