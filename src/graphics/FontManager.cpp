#include "graphics/FontManager.h"

#include "core/LowerExtension.h"
#include "core/ResourceNames.h"
#include "graphics/BitmapFont.h"
#include "graphics/FontReader.h"
#include "graphics/GlTextureUploader.h"

namespace fs = std::filesystem;

FontManager::FontManager(fs::path root, std::unique_ptr<TextureUploader> uploader)
    : root_(std::move(root)), uploader_(std::move(uploader)) {
    ResourceNames<BitmapFont>::Find = [this](const std::string& name) { return GetFont(name); };
    ResourceNames<BitmapFont>::NameOf = [](const BitmapFont* font) { return font->Name; };
}

FontManager::FontManager() : FontManager("Content/Fonts", std::make_unique<GlTextureUploader>()) {}

FontManager::~FontManager() {
    // The fonts' pages go before the uploader that made them.
    banks_.clear();
    ResourceNames<BitmapFont>::Find = nullptr;
    ResourceNames<BitmapFont>::NameOf = nullptr;
}

void FontManager::LoadFontBank(const std::string& name) {
    if (banks_.contains(name)) {
        return;
    }
    FontBank bank;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(root_ / name, error)) {
        if (entry.is_regular_file() && LowerExtension(entry.path()) == ".fnt") {
            auto font = std::make_unique<BitmapFont>();
            FontReader::ReadFont(*font, entry.path(), *uploader_);
            bank[font->Name] = std::move(font);
        }
    }
    banks_[name] = std::move(bank);
}

void FontManager::UnloadFontBank(const std::string& name) {
    banks_.erase(name);
}

void FontManager::UnloadAllBanks() {
    banks_.clear();
}

BitmapFont* FontManager::GetFont(const std::string& name) const {
    for (const auto& [bankName, bank] : banks_) {
        const auto at = bank.find(name);
        if (at != bank.end()) {
            return at->second.get();
        }
    }
    return nullptr;
}

float FontManager::GetKerning(const BitmapFont& font, char32_t first, char32_t second) {
    return font.Kerning(first, second);
}
