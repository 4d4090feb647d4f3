#include "graphics/TextureManager.h"

#include "core/GameObject.h"
#include "core/LowerExtension.h"
#include "core/ResourceNames.h"
#include "graphics/AtlasLoader.h"
#include "graphics/GlTextureUploader.h"
#include "graphics/Image.h"
#include "graphics/SpriteComponent.h"

#include <cctype>
#include <functional>

namespace fs = std::filesystem;

namespace {

bool IsAtlasFile(const fs::directory_entry& entry) {
    if (!entry.is_regular_file()) {
        return false;
    }
    const std::string extension = LowerExtension(entry.path());
    const std::string stem = entry.path().stem().string();
    return extension == ".xml" && stem.find("_NRM") == std::string::npos &&
           stem.find("_SPEC") == std::string::npos;
}

std::string TextureNameOf(const fs::path& xmlPath) {
    std::string stem = xmlPath.stem().string();
    if (stem.find("_COL") != std::string::npos) {
        stem.resize(stem.size() - 4);
    }
    return stem;
}

void ForEachSprite(GameObject* object, const std::function<void(SpriteComponent&)>& visit) {
    if (object == nullptr) {
        return;
    }
    if (SpriteComponent* sprite = object->Sprite()) {
        visit(*sprite);
    }
    for (GameObject* child : object->Children()) {
        ForEachSprite(child, visit);
    }
}

}  // namespace

TextureManager::TextureManager(fs::path root, std::unique_ptr<TextureUploader> uploader)
    : root_(std::move(root)), uploader_(std::move(uploader)) {
    Changed();
    // Texture properties are written as the texture's name and read back through here.
    ResourceNames<Texture>::Find = [this](const std::string& name) { return GetTexture(name); };
    ResourceNames<Texture>::NameOf = [](const Texture* texture) { return texture->Name; };
}

TextureManager::TextureManager()
    : TextureManager("Content/Textures", std::make_unique<GlTextureUploader>()) {}

TextureManager::~TextureManager() {
    ResourceNames<Texture>::Find = nullptr;
    ResourceNames<Texture>::NameOf = nullptr;
}

void TextureManager::Changed() {
    // Shared by every manager, so that numbers are never handed out twice.
    static std::uint64_t lastGeneration = 0;
    generation_ = ++lastGeneration;
}

void TextureManager::LoadTextureBank(const std::string& name) {
    if (banks_.contains(name) && banks_[name] != nullptr) {
        return;
    }
    auto bank = std::make_unique<TextureBank>();
    const fs::path directory = root_ / name;
    // A bank without a directory is an empty bank.
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(directory, error)) {
        if (!IsAtlasFile(entry)) {
            continue;
        }
        auto texture = std::make_unique<Texture>();
        AtlasLoader::LoadAtlas(*texture, entry.path().string(), *uploader_);
        texture->Name = TextureNameOf(entry.path());
        // A later file with the same texture name replaces the earlier one.
        bank->Textures[texture->Name] = std::move(texture);
    }
    banks_[name] = std::move(bank);
    Changed();
}

void TextureManager::UnloadTextureBank(const std::string& name) {
    if (banks_.erase(name) > 0) {
        Changed();
    }
}

void TextureManager::UnloadAllBanks() {
    banks_.clear();
    Changed();
}

Texture* TextureManager::GetTexture(const std::string& name) const {
    for (const auto& [bankName, bank] : banks_) {
        if (bank == nullptr) {
            continue;
        }
        const auto at = bank->Textures.find(name);
        if (at != bank->Textures.end()) {
            return at->second.get();
        }
    }
    return nullptr;
}

TextureBank& TextureManager::AddBank(const std::string& name) {
    auto& bank = banks_[name];
    if (bank == nullptr) {
        bank = std::make_unique<TextureBank>();
        Changed();
    }
    return *bank;
}

Texture& TextureManager::AddTexture(const std::string& bankName, const std::string& name, const Image& color,
                                    const Image* normal) {
    auto texture = std::make_unique<Texture>();
    texture->Name = name;
    texture->Uploader = uploader_.get();
    texture->ColorImage = uploader_->Upload(color);
    texture->NormalImage = normal != nullptr ? uploader_->Upload(*normal) : 0;
    texture->Size = Vector2(static_cast<float>(color.Width), static_cast<float>(color.Height));
    Texture& stored = *texture;
    AddBank(bankName).Textures[name] = std::move(texture);
    Changed();
    return stored;
}

void TextureManager::ReloadTexture(Texture& texture, GameObject* root) {
    std::string bankName;
    for (const auto& [name, bank] : banks_) {
        if (bank != nullptr && bank->Textures.contains(texture.Name)) {
            bankName = name;
            break;
        }
    }
    if (bankName.empty()) {
        return;
    }
    const std::string file = texture.Name + (texture.NormalImage != 0 ? "_COL.xml" : ".xml");
    const fs::path xmlPath = root_ / bankName / file;
    // Before anything goes: a failed read leaves the texture without images.
    Changed();
    ForEachSprite(root, [&](SpriteComponent& sprite) { sprite.RememberImageName(&texture); });
    // Both images go: the atlas brings its normal image again when it is lit.
    texture.ReleaseImages();
    texture.ClearImages();
    AtlasLoader::LoadAtlas(texture, xmlPath.string(), *uploader_);
    ForEachSprite(root, [&](SpriteComponent& sprite) { sprite.RestoreImageName(&texture); });
}
