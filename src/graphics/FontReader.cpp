#include "graphics/FontReader.h"

#include "core/ContentFile.h"
#include "core/ContentLog.h"
#include "graphics/AtlasLoader.h"
#include "graphics/BitmapFont.h"

#include <cmath>
#include <string>

namespace fs = std::filesystem;

namespace {

using Tree = ContentFile::Tree;

const Tree& Attributes(const ContentFile& file, const Tree& element) {
    return file.Child(element, "<xmlattr>");
}

// Divisors and the scale of every glyph: zero would put infinities into the layout.
float Positive(const ContentFile& file, const Tree& attributes, const std::string& key) {
    const float value = file.Get<float>(attributes, key);
    if (!(value > 0.0f) || !std::isfinite(value)) {
        file.Fail("\"" + key + "\" must be a positive number: \"" + attributes.get<std::string>(key) + "\"");
    }
    return value;
}

Glyph ReadGlyph(const ContentFile& file, const Tree& element, float pageWidth, float pageHeight) {
    const Tree& a = Attributes(file, element);
    Glyph glyph;
    glyph.Id = file.Get<int>(a, "id");
    glyph.X = file.Get<float>(a, "x") / pageWidth;
    glyph.Y = file.Get<float>(a, "y") / pageHeight;
    glyph.Width = file.Get<float>(a, "width") / pageWidth;
    glyph.Height = file.Get<float>(a, "height") / pageHeight;
    glyph.XOffset = file.Get<float>(a, "xoffset") / pageWidth;
    glyph.YOffset = file.Get<float>(a, "yoffset") / pageHeight;
    glyph.XAdvance = file.Get<float>(a, "xadvance") / pageWidth;
    return glyph;
}

void ReadKernings(BitmapFont& font, const ContentFile& file, float pageWidth) {
    const auto kernings = file.Root().get_child_optional("font.kernings");
    if (!kernings) {
        return;
    }
    for (const auto& [tag, element] : *kernings) {
        if (tag == "kerning") {
            const Tree& a = Attributes(file, element);
            const int first = file.Get<int>(a, "first");
            const int second = file.Get<int>(a, "second");
            font.Kernings.emplace(first, std::make_pair(second, file.Get<float>(a, "amount") / pageWidth));
        }
    }
}

void LoadPage(BitmapFont& font, const fs::path& fntPath, const std::string& pageFile, TextureUploader& uploader) {
    const fs::path page = fntPath.parent_path() / pageFile;
    AtlasLoader::LoadTextureFile(font.Page, page.string(), uploader);
    if (!font.CanDraw()) {
        ContentLog::Warning("font " + font.Name + " has no page image (" + page.string() + "); its text draws nothing");
    }
}

}  // namespace

namespace FontReader {

void ReadFont(BitmapFont& font, const fs::path& fntPath, TextureUploader& uploader) {
    const ContentFile file = ContentFile::ReadXml(fntPath);
    const Tree& common = Attributes(file, file.Child("font.common"));
    const float pageWidth = Positive(file, common, "scaleW");
    const float pageHeight = Positive(file, common, "scaleH");
    font.Name = fntPath.stem().string();
    font.LineHeight = Positive(file, common, "lineHeight");
    font.NormalizedLineHeight = font.LineHeight / pageHeight;
    font.PageAspect = pageWidth / pageHeight;
    const std::string pageFile = file.Get<std::string>(Attributes(file, file.Child("font.pages.page")), "file");
    for (const auto& [tag, element] : file.Child("font.chars")) {
        if (tag == "char") {
            const Glyph glyph = ReadGlyph(file, element, pageWidth, pageHeight);
            font.Glyphs[glyph.Id] = glyph;
        }
    }
    ReadKernings(font, file, pageWidth);
    LoadPage(font, fntPath, pageFile, uploader);
}

}  // namespace FontReader
