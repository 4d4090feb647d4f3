#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>

class BitmapFont;
class TextureUploader;

// Every loaded font bank, by bank name; a bank holds its fonts by name (the ".fnt"
// file's stem). Fonts are found by name across banks; the pointers it hands out live
// as long as their bank. It plugs the font look-up into "Font" properties.
class FontManager {
public:
    using FontBank = std::map<std::string, std::unique_ptr<BitmapFont>>;

    // Banks are directories under `root`; pages go through `uploader`.
    FontManager(std::filesystem::path root, std::unique_ptr<TextureUploader> uploader);
    // The game's: "Content/Fonts", pages uploaded into OpenGL.
    FontManager();
    ~FontManager();
    FontManager(const FontManager&) = delete;
    FontManager& operator=(const FontManager&) = delete;

    // Reads every ".fnt" file (any case) directly in the bank directory unless the
    // bank is loaded already; a missing directory is an empty bank. Throws the
    // ContentError of the first file that cannot be used, and keeps no part of the bank.
    void LoadFontBank(const std::string& name);
    // Deletes the bank and its fonts; an unknown name does nothing.
    void UnloadFontBank(const std::string& name);
    void UnloadAllBanks();

    // The first font of that name, searching banks in ascending name order; null
    // when there is none.
    BitmapFont* GetFont(const std::string& name) const;

    // The font's normalised kerning amount for the pair, 0 when it has none.
    static float GetKerning(const BitmapFont& font, char32_t first, char32_t second);

    const std::map<std::string, FontBank>& Banks() const { return banks_; }

private:
    std::filesystem::path root_;
    std::unique_ptr<TextureUploader> uploader_;
    std::map<std::string, FontBank> banks_;
};
