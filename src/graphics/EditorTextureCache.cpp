#include "graphics/EditorTextureCache.h"

#include "graphics/Texture.h"
#include "graphics/TextureManager.h"

void EditorTextureCache::Refresh(const TextureManager* manager) {
    const std::uint64_t generation = manager != nullptr ? manager->Generation() : 0;
    if (generation == generation_ && generation != 0) {
        return;
    }
    generation_ = generation;
    colorImage_ = 0;
    whiteTexel_ = Vector2();
    const Texture* editor = manager != nullptr ? manager->GetTexture("Editor") : nullptr;
    if (editor == nullptr) {
        return;
    }
    colorImage_ = editor->ColorImage;
    const int white = editor->FindImage("1PixelWhite");
    if (editor->HasImage(white)) {
        const Rect& r = editor->ImageRects[static_cast<std::size_t>(white)];
        whiteTexel_ = Vector2(r.x + r.width / 2.0f, r.y + r.height / 2.0f);
    }
}
