#include "graphics/AtlasLoader.h"

#include "core/ContentFile.h"
#include "core/ContentLog.h"
#include "graphics/Image.h"
#include "graphics/Texture.h"
#include "graphics/TextureUploader.h"

#include <boost/regex.hpp>

#include <filesystem>
#include <optional>

namespace fs = std::filesystem;
namespace pt = boost::property_tree;

namespace {

// Reads one integer attribute of a sprite; `fallback` null means it is required.
// `sprite` names where in the file a problem is.
int ReadInt(const pt::ptree& attributes, const char* key, const std::optional<int>& fallback,
            const ContentFile& file, const std::string& sprite) {
    const auto text = attributes.get_optional<std::string>(key);
    if (!text) {
        if (fallback) {
            return *fallback;
        }
        file.Fail(sprite + ": missing attribute \"" + key + "\"");
    }
    try {
        std::size_t used = 0;
        const int value = std::stoi(*text, &used);
        if (used == text->size()) {
            return value;
        }
    } catch (const std::logic_error&) {
    }
    file.Fail(sprite + ": attribute \"" + key + "\" is not an integer: \"" + *text + "\"");
}

// Whether the sub-image at these pixels and the ring of one texel around it are all
// opaque: a ring reaching past the sheet's edge would be read as transparent.
bool IsOpaque(const Image& sheet, int x, int y, int w, int h) {
    if (x < 1 || y < 1 || w <= 0 || h <= 0 || static_cast<long long>(x) + w + 1 > sheet.Width ||
        static_cast<long long>(y) + h + 1 > sheet.Height) {
        return false;
    }
    for (int row = y - 1; row < y + h + 1; ++row) {
        for (int column = x - 1; column < x + w + 1; ++column) {
            if (sheet.Pixel(column, row)[3] != 255) {
                return false;
            }
        }
    }
    return true;
}

void AddSprite(Texture& texture, const pt::ptree& sprite, const ContentFile& file, const std::string& where,
               const Image* sheet) {
    static const pt::ptree kNoAttributes;
    const pt::ptree& a = sprite.get_child("<xmlattr>", kNoAttributes);
    const auto name = a.get_optional<std::string>("n");
    if (!name) {
        file.Fail(where + ": missing attribute \"n\"");
    }
    const int x = ReadInt(a, "x", std::nullopt, file, where);
    const int y = ReadInt(a, "y", std::nullopt, file, where);
    const int w = ReadInt(a, "w", std::nullopt, file, where);
    const int h = ReadInt(a, "h", std::nullopt, file, where);
    const float ox = static_cast<float>(ReadInt(a, "oX", 0, file, where));
    const float oy = static_cast<float>(ReadInt(a, "oY", 0, file, where));
    const float ow = static_cast<float>(ReadInt(a, "oW", w, file, where));
    const float oh = static_cast<float>(ReadInt(a, "oH", h, file, where));
    const float width = texture.Size.x;
    const float height = texture.Size.y;
    texture.ImageRects.emplace_back(x / width, y / height, w / width, h / height);
    texture.TrimRects.emplace_back(ox / ow, oy / oh, w / ow, h / oh);
    texture.OpaqueImages.push_back(sheet != nullptr && IsOpaque(*sheet, x, y, w, h));
    const std::string rewritten = AtlasLoader::RewriteImageName(*name);
    texture.ImageNames.push_back(rewritten);
    // A repeated name maps to its last entry; both entries stay in the lists.
    texture.ImageIndex[rewritten] = static_cast<int>(texture.ImageNames.size()) - 1;
}

std::optional<Image> DecodeOrWarn(const fs::path& path, const char* what) {
    auto image = DecodeImageFile(path.string());
    if (!image) {
        ContentLog::Warning(std::string("cannot decode ") + what + " " + path.string());
    }
    return image;
}

// The normal-and-specular image of a lit atlas, or nothing (with a warning) when a
// file is missing or does not match the colour image's size.
std::optional<Image> LoadNormalSpecular(const fs::path& colorPath, const Texture& texture) {
    const std::string stem = colorPath.stem().string();
    const std::string base = stem.substr(0, stem.size() >= 4 ? stem.size() - 4 : 0);
    const fs::path directory = colorPath.parent_path();
    auto normal = DecodeOrWarn(directory / (base + "_NRM.sheet"), "normal map");
    auto specular = DecodeOrWarn(directory / (base + "_SPEC.sheet"), "specular map");
    if (!normal || !specular) {
        ContentLog::Warning("lit atlas " + colorPath.string() + " is drawn unlit");
        return std::nullopt;
    }
    const bool sameSize = normal->Width == specular->Width && normal->Height == specular->Height &&
                          normal->Width == static_cast<int>(texture.Size.x) &&
                          normal->Height == static_cast<int>(texture.Size.y);
    if (!sameSize) {
        ContentLog::Warning("normal or specular map of " + colorPath.string() +
             " differs in size from the colour image; the atlas is drawn unlit");
        return std::nullopt;
    }
    MergeSpecularIntoAlpha(*normal, *specular);
    return normal;
}

// The colour image (and for a lit atlas the normal image) of the texture; the
// decoded colour image is returned for the checks that need its pixels.
std::optional<Image> LoadImages(Texture& texture, const std::string& imagePath, TextureUploader& uploader) {
    const auto color = DecodeOrWarn(imagePath, "image");
    if (!color) {
        return color;
    }
    texture.Uploader = &uploader;
    texture.ColorImage = uploader.Upload(*color);
    texture.Alpha = AlphaMask(*color);
    texture.Size = Vector2(static_cast<float>(color->Width), static_cast<float>(color->Height));
    if (imagePath.find("_COL") == std::string::npos) {
        return color;
    }
    if (const auto normal = LoadNormalSpecular(imagePath, texture)) {
        texture.NormalImage = uploader.Upload(*normal);
    }
    return color;
}


}  // namespace

namespace AtlasLoader {

std::string RewriteImageName(const std::string& name) {
    static const boost::regex kSuffix("(.*)(_COL|_NRM|_SPEC)(.*)");
    return boost::regex_replace(name, kSuffix, "\\1\\3");
}

void LoadTextureFile(Texture& texture, const std::string& imagePath, TextureUploader& uploader) {
    LoadImages(texture, imagePath, uploader);
}

void LoadAtlas(Texture& texture, const std::string& xmlPath, TextureUploader& uploader) {
    const ContentFile file = ContentFile::ReadXml(xmlPath);
    const auto atlas = file.Root().get_child_optional("TextureAtlas");
    if (!atlas) {
        file.Fail("no root element \"TextureAtlas\"");
    }
    const auto imagePath = atlas->get_optional<std::string>("<xmlattr>.imagePath");
    if (!imagePath) {
        file.Fail("missing attribute \"imagePath\"");
    }
    fs::path sheet = fs::path(xmlPath).parent_path() / *imagePath;
    sheet.replace_extension("sheet");
    const std::optional<Image> pixels = LoadImages(texture, sheet.string(), uploader);
    int index = 0;
    for (const auto& [tag, child] : *atlas) {
        if (tag == "sprite") {
            AddSprite(texture, child, file, "sprite " + std::to_string(index++), pixels ? &*pixels : nullptr);
        }
    }
}

}  // namespace AtlasLoader
