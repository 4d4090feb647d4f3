#include "graphics/BatchFingerprint.h"

#include "graphics/CellFingerprints.h"
#include "graphics/ScreenMapping.h"
#include "graphics/SpriteBatch.h"
#include "graphics/Texture.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace {

using Mixer = std::uint64_t (*)(std::uint64_t, std::uint64_t);

std::uint64_t Bits(float value) { return std::bit_cast<std::uint32_t>(value); }

std::uint64_t VertexHash(std::uint64_t hash, const SpriteVertex& v) {
    const Mixer mix = &CellFingerprints::Mix;
    hash = mix(hash, Bits(v.x) << 32 | Bits(v.y));
    hash = mix(hash, Bits(v.w) << 32 | v.color);
    hash = mix(hash, Bits(v.u) << 32 | Bits(v.v));
    return mix(hash, Bits(v.cosine) << 32 | Bits(v.sine));
}

std::uint64_t GroupHash(const SpriteBatch& batch, std::size_t group, std::uint64_t salt) {
    const Texture* texture = batch.GroupTexture(group);
    std::uint64_t hash = CellFingerprints::Mix(salt, group);
    hash = CellFingerprints::Mix(hash, reinterpret_cast<std::uintptr_t>(texture));
    if (texture != nullptr) {
        hash = CellFingerprints::Mix(hash, std::uint64_t{texture->ColorImage} << 32 | texture->NormalImage);
    }
    return CellFingerprints::Mix(hash, (batch.GroupIsMinified(group) ? 1u : 0u) | (batch.GroupIsOpaque(group) ? 2u : 0u));
}

std::uint64_t CameraHash(const ScreenMapping& mapping) {
    const CameraConstants& c = mapping.Camera;
    const Rect& v = mapping.Viewport;
    std::uint64_t hash = 0;
    for (const float value : {c.RotScale[0][0], c.RotScale[0][1], c.RotScale[1][0], c.RotScale[1][1], c.Pos.x,
                              c.Pos.y, v.x, v.y, v.width, v.height}) {
        hash = CellFingerprints::Mix(hash, Bits(value));
    }
    return hash;
}

struct QuadAt {
    float depth;
    std::uint32_t group;
    std::uint32_t first;  // its first vertex in the group
};

}  // namespace

void FoldBatch(const SpriteBatch& batch, const ScreenMapping& mapping, std::uint64_t salt, float grow,
               CellFingerprints& prints) {
    salt = CellFingerprints::Mix(salt, CameraHash(mapping));
    std::vector<std::uint64_t> groupHashes;
    std::vector<QuadAt> quads;
    for (std::size_t group = 0; group < batch.GroupCount(); ++group) {
        groupHashes.push_back(GroupHash(batch, group, salt));
        const std::vector<SpriteVertex>& vertices = batch.GroupVertices(group);
        for (std::size_t i = 0; i + 3 < vertices.size(); i += 4) {
            quads.push_back(QuadAt{vertices[i].z, static_cast<std::uint32_t>(group), static_cast<std::uint32_t>(i)});
        }
    }
    // Depth falls in tree order; equal depths keep the draw order they were added in.
    std::stable_sort(quads.begin(), quads.end(), [](const QuadAt& a, const QuadAt& b) { return a.depth > b.depth; });
    for (const QuadAt& quad : quads) {
        const SpriteVertex* corners = batch.GroupVertices(quad.group).data() + quad.first;
        std::uint64_t hash = groupHashes[quad.group];
        for (int corner = 0; corner < 4; ++corner) {
            hash = VertexHash(hash, corners[corner]);
        }
        const ScreenMapping::Area area = mapping.QuadArea(corners);
        prints.Fold(area.left - grow, area.top - grow, area.right + grow, area.bottom + grow, hash);
    }
}
