#include "graphics/TextureManager.h"

#include "core/ContentError.h"
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

// Everything the atlas file gave, exchanged; the name stays.
void SwapImages(Texture& a, Texture& b) {
    std::swap(a.ColorImage, b.ColorImage);
    std::swap(a.NormalImage, b.NormalImage);
    std::swap(a.Size, b.Size);
    std::swap(a.ImageRects, b.ImageRects);
    std::swap(a.TrimRects, b.TrimRects);
    std::swap(a.ImageNames, b.ImageNames);
    std::swap(a.ImageIndex, b.ImageIndex);
    std::swap(a.OpaqueImages, b.OpaqueImages);
    std::swap(a.Alpha, b.Alpha);
    std::swap(a.Uploader, b.Uploader);
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
    texture->Alpha = AlphaMask(color);
    texture->NormalImage = normal != nullptr ? uploader_->Upload(*normal) : 0;
    texture->Size = Vector2(static_cast<float>(color.Width), static_cast<float>(color.Height));
    Texture& stored = *texture;
    AddBank(bankName).Textures[name] = std::move(texture);
    Changed();
    return stored;
}

std::string TextureManager::BankOf(const Texture& texture) const {
    for (const auto& [name, bank] : banks_) {
        if (bank != nullptr && bank->Textures.contains(texture.Name)) {
            return name;
        }
    }
    return "";
}

void TextureManager::ReadAtlasWhole(Texture& texture, const std::string& bankName) {
    // A lit atlas is stored as "<Name>_COL.xml" beside its normal and specular sheets.
    fs::path xmlPath = root_ / bankName / (texture.Name + "_COL.xml");
    const bool lit = fs::exists(xmlPath);
    if (!lit) {
        xmlPath = root_ / bankName / (texture.Name + ".xml");
    }
    AtlasLoader::LoadAtlas(texture, xmlPath.string(), *uploader_);
    // At start-up an image that does not decode only warns; here the old one is
    // still there to keep.
    if (texture.ColorImage == 0 || (lit && texture.NormalImage == 0)) {
        throw ContentError(xmlPath, "its sheets cannot be decoded");
    }
}

void TextureManager::ReloadTexture(Texture& texture, GameObject* root) {
    const std::string bankName = BankOf(texture);
    if (bankName.empty()) {
        return;
    }
    Texture fresh;
    fresh.Name = texture.Name;
    ReadAtlasWhole(fresh, bankName);
    Changed();
    ForEachSprite(root, [&](SpriteComponent& sprite) { sprite.RememberImageName(&texture); });
    // The old images leave with `fresh`.
    SwapImages(texture, fresh);
    ForEachSprite(root, [&](SpriteComponent& sprite) { sprite.RestoreImageName(&texture); });
}

Texture* TextureManager::ReloadAtlas(const std::string& bankName, const std::string& atlasName, GameObject* root) {
    const auto bank = banks_.find(bankName);
    if (bank == banks_.end() || bank->second == nullptr) {
        return nullptr;
    }
    // Sprites point at the texture, so one that exists is read again in place.
    if (const auto found = bank->second->Textures.find(atlasName); found != bank->second->Textures.end()) {
        ReloadTexture(*found->second, root);
        return found->second.get();
    }
    auto texture = std::make_unique<Texture>();
    texture->Name = atlasName;
    ReadAtlasWhole(*texture, bankName);
    Texture& stored = *texture;
    bank->second->Textures[atlasName] = std::move(texture);
    Changed();
    return &stored;
}
