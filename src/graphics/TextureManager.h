#pragma once

#include "graphics/TextureBank.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

class GameObject;
struct Image;
class TextureUploader;

// Every loaded texture bank, by bank name. Textures are found by name across banks;
// the pointers it hands out live as long as their bank.
class TextureManager {
public:
    // Banks are directories under `root`; images go through `uploader`.
    TextureManager(std::filesystem::path root, std::unique_ptr<TextureUploader> uploader);
    // The game's: "Content/Textures", uploaded into OpenGL.
    TextureManager();
    ~TextureManager();
    TextureManager(const TextureManager&) = delete;
    TextureManager& operator=(const TextureManager&) = delete;

    // Loads every atlas of the bank directory unless the bank is loaded already.
    // Throws ContentError naming the atlas file that cannot be read.
    void LoadTextureBank(const std::string& name);
    // Deletes the bank and its textures; an unknown name does nothing.
    void UnloadTextureBank(const std::string& name);
    void UnloadAllBanks();

    // The first texture of that name, searching banks in ascending name order.
    Texture* GetTexture(const std::string& name) const;

    // Reads the texture's atlas again and swaps it in; the sprites under `root` that
    // show it keep their sub-image by name. An atlas that cannot be read or whose
    // sheets do not decode throws ContentError naming it and leaves the texture as
    // it was.
    void ReloadTexture(Texture& texture, GameObject* root);
    // Reads the atlas "<atlasName>" (lit or not) of a loaded bank again: in place
    // (ReloadTexture) when the bank holds it, else as a new texture of the bank. Null
    // when the bank is not loaded. Throws as ReloadTexture does, changing nothing.
    Texture* ReloadAtlas(const std::string& bankName, const std::string& atlasName, GameObject* root);

    // A bank whose textures are made in code rather than read from files. Fill it
    // before the next frame: its creation is the change that Generation reports.
    TextureBank& AddBank(const std::string& name);
    // A texture made in code from a colour image and, when lit, a normal image
    // (normal in RGB, specular in alpha), stored in bank `bankName` (created if need be).
    Texture& AddTexture(const std::string& bankName, const std::string& name, const Image& color,
                        const Image* normal = nullptr);

    const std::map<std::string, std::unique_ptr<TextureBank>>& Banks() const { return banks_; }

    // Moves on whenever a bank is loaded, added or unloaded, or a texture is added or
    // read again: whoever keeps something found here looks it up again then. Never
    // 0, and never the same for two managers, so a cache cannot take a new manager
    // for one it saw before.
    std::uint64_t Generation() const { return generation_; }

private:
    void Changed();
    std::string BankOf(const Texture& texture) const;
    // The atlas of that texture name in the bank's directory, with every sheet decoded.
    void ReadAtlasWhole(Texture& texture, const std::string& bankName);

    std::filesystem::path root_;
    std::unique_ptr<TextureUploader> uploader_;
    std::map<std::string, std::unique_ptr<TextureBank>> banks_;
    std::uint64_t generation_ = 0;
};
